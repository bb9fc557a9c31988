// The component model's rules: interfaces by number (null when absent), reference counts that
// balance, one implementation object per interface destroyed exactly once, classes that inherit
// and override, add-ins, and a plug-in's registrations that go when it is forgotten.
#include <gtest/gtest.h>

#include <new>

#include "CPMUnknown.h"
#include "InterfacePtr.h"
#include "app/Host.h"
#include "objectmodel/Boss.h"

namespace {

constexpr PluginID kModelTestPlugIn = 0x7F0000;
constexpr PluginID kOtherTestPlugIn = 0x7F1000;

class ITestPart : public IPMUnknown {
 public:
  enum { kDefaultIID = 0x7F0000 };
  virtual int32 Which() const = 0;
};
constexpr PMIID kFirstIID = 0x7F0000;
constexpr PMIID kSecondIID = 0x7F0001;
constexpr PMIID kThirdIID = 0x7F0002;
constexpr PMIID kAbsentIID = 0x7F00FF;

int gLiveParts = 0;
int gDestroyed = 0;

template <int32 kWhich>
class TestPart : public CPMUnknown<ITestPart> {
 public:
  explicit TestPart(IPMUnknown* boss) : CPMUnknown(boss) { ++gLiveParts; }
  ~TestPart() override { --gLiveParts; }
  int32 Which() const override { return kWhich; }
};

template <int32 kWhich>
ImplementationFactory Factory(PluginID plugin) {
  ImplementationFactory f;
  f.plugin = plugin;
  f.id = 0x7F0000 + kWhich;
  f.create = [](IPMUnknown* boss) -> IPMUnknown* {
    return new (std::nothrow) TestPart<kWhich>(boss);
  };
  f.destroy = [](IPMUnknown* impl) {
    ++gDestroyed;
    delete impl;
  };
  f.size = []() -> size_t { return sizeof(TestPart<kWhich>); };
  return f;
}

// An implementation whose factory fails, as when memory runs out.
ImplementationFactory FailingFactory(PluginID plugin) {
  ImplementationFactory f = Factory<9>(plugin);
  f.create = [](IPMUnknown*) -> IPMUnknown* { return nullptr; };
  return f;
}

class ComponentModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gLiveParts = 0;
    gDestroyed = 0;
    ObjectModel& m = Model();
    m.RegisterImplementation(Factory<1>(kModelTestPlugIn));
    m.RegisterImplementation(Factory<2>(kModelTestPlugIn));
    m.RegisterImplementation(Factory<3>(kModelTestPlugIn));
    m.RegisterImplementation(FailingFactory(kModelTestPlugIn));
    m.RegisterImplementation(Factory<4>(kOtherTestPlugIn));
  }
  void TearDown() override {
    EXPECT_EQ(gLiveParts, 0) << "implementation objects outlived their boss";
  }
  ObjectModel& Model() { return fHost.Model(); }
  static int32 WhichOf(const IPMUnknown* object, PMIID iid) {
    InterfacePtr<ITestPart> part(object, iid);
    return part ? part->Which() : -1;
  }

  Host fHost;
};

constexpr ClassID kBaseClass = 0x7F0000;
constexpr ClassID kDerivedClass = 0x7F0001;
constexpr ClassID kAddInFirstClass = 0x7F0002;
constexpr ClassID kCycleA = 0x7F0003;
constexpr ClassID kCycleB = 0x7F0004;
constexpr ClassID kFailingClass = 0x7F0005;

TEST_F(ComponentModelTest, AbsentInterfacesAreNullReferencesBalanceAndPartsDieOnce) {
  Model().DefineClass(kBaseClass, kInvalidClass, {{kFirstIID, 0x7F0001}, {kSecondIID, 0x7F0002}},
                      kModelTestPlugIn);
  Boss* boss = Boss::Create(kBaseClass);
  ASSERT_NE(boss, nullptr);
  EXPECT_EQ(boss->RefCount(), 1);
  EXPECT_EQ(boss->QueryInterface(kAbsentIID), nullptr);
  EXPECT_EQ(boss->RefCount(), 1) << "a failed query must not add a reference";
  {
    InterfacePtr<ITestPart> first(boss, kFirstIID);
    ASSERT_NE(first.get(), nullptr);
    InterfacePtr<ITestPart> copy = first;
    InterfacePtr<ITestPart> again(first.get(), kFirstIID);
    EXPECT_EQ(boss->RefCount(), 4);
    EXPECT_EQ(first.get(), again.get()) << "one implementation object per interface";
    InterfacePtr<ITestPart> none(first.get(), kAbsentIID);
    EXPECT_EQ(none.get(), nullptr);
  }
  EXPECT_EQ(boss->RefCount(), 1);
  InterfacePtr<ITestPart> second(boss, kSecondIID);
  boss->Release();  // the last reference is now through another interface
  EXPECT_EQ(gLiveParts, 2);
  second.reset();
  EXPECT_EQ(gLiveParts, 0);
  EXPECT_EQ(gDestroyed, 2);
}

TEST_F(ComponentModelTest, AddInsBeforeTheClassDoNotDefineIt) {
  Model().AddIn(kAddInFirstClass, {{kThirdIID, 0x7F0004}}, kOtherTestPlugIn);
  EXPECT_FALSE(Model().IsClassDefined(kAddInFirstClass));
  EXPECT_EQ(Boss::Create(kAddInFirstClass), nullptr);
  EXPECT_TRUE(Model().DefineClass(kAddInFirstClass, kInvalidClass, {{kFirstIID, 0x7F0001}},
                                  kModelTestPlugIn));
  EXPECT_FALSE(Model().DefineClass(kAddInFirstClass, kInvalidClass, {}, kOtherTestPlugIn))
      << "a class is defined once";
  Boss* boss = Boss::Create(kAddInFirstClass);
  ASSERT_NE(boss, nullptr);
  EXPECT_EQ(WhichOf(boss, kFirstIID), 1);
  EXPECT_EQ(WhichOf(boss, kThirdIID), 4);
  boss->Release();
}

TEST_F(ComponentModelTest, AFailingFactoryFailsTheBossAndAMissingOneLeavesItsInterfaceOut) {
  Model().DefineClass(kFailingClass, kInvalidClass, {{kFirstIID, 0x7F0001}, {kSecondIID, 0x7F0009}},
                      kModelTestPlugIn);
  EXPECT_EQ(Boss::Create(kFailingClass), nullptr) << "a boss is made whole or not at all";
  EXPECT_EQ(gLiveParts, 0) << "the part made before the failing one went with it";
  Model().DefineClass(kBaseClass, kInvalidClass, {{kFirstIID, 0x7F0001}, {kThirdIID, 0x7F00AA}},
                      kModelTestPlugIn);
  Boss* boss = Boss::Create(kBaseClass);
  ASSERT_NE(boss, nullptr);
  EXPECT_EQ(WhichOf(boss, kFirstIID), 1);
  EXPECT_EQ(boss->QueryInterface(kThirdIID), nullptr) << "no implementation of that ID";
  boss->Release();
}

TEST_F(ComponentModelTest, ACycleOfParentsEndsTheWalk) {
  Model().DefineClass(kCycleA, kCycleB, {{kFirstIID, 0x7F0001}}, kModelTestPlugIn);
  Model().DefineClass(kCycleB, kCycleA, {{kSecondIID, 0x7F0002}}, kModelTestPlugIn);
  EXPECT_LE(Model().ResolveClass(kCycleA).size(), 2u);
}

TEST_F(ComponentModelTest, ForgettingAPlugInTakesItsPartsAndKeepsOthers) {
  ObjectModel& m = Model();
  m.DefineClass(kBaseClass, kInvalidClass, {{kFirstIID, 0x7F0001}}, kOtherTestPlugIn);
  m.AddIn(kBaseClass, {{kSecondIID, 0x7F0002}}, kModelTestPlugIn);
  m.DefineClass(kDerivedClass, kBaseClass, {{kThirdIID, 0x7F0004}}, kModelTestPlugIn);
  m.ForgetPlugin(kModelTestPlugIn);

  EXPECT_EQ(m.FindImplementation(0x7F0001), nullptr);
  EXPECT_NE(m.FindImplementation(0x7F0004), nullptr);
  EXPECT_TRUE(m.ImplementationsOf(kModelTestPlugIn).empty());
  EXPECT_FALSE(m.IsClassDefined(kDerivedClass));
  ASSERT_TRUE(m.IsClassDefined(kBaseClass));
  std::vector<InterfaceBinding> bindings = m.ResolveClass(kBaseClass);
  ASSERT_EQ(bindings.size(), 1u) << "the forgotten plug-in's add-in is gone";
  EXPECT_EQ(bindings[0].interfaceID, kFirstIID);
}

TEST_F(ComponentModelTest, ImplementationIDsAreTakenOnce) {
  EXPECT_FALSE(Model().RegisterImplementation(Factory<1>(kOtherTestPlugIn)));
  EXPECT_EQ(Model().FindImplementation(0x7F0001)->plugin, kModelTestPlugIn) << "the first stays";
  std::vector<ImplementationID> expected = {0x7F0001, 0x7F0002, 0x7F0003, 0x7F0009};
  EXPECT_EQ(Model().ImplementationsOf(kModelTestPlugIn), expected);
}

}  // namespace
