#include <vector>

#include "IBroadcastUtils.h"
#include "UtilsBoss.h"
#include "database/Database.h"
#include "host/database/TestObjects.h"
#include "support/HostTest.h"
#include "support/RecordingObserver.h"

namespace {

class SubjectTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    RegisterTestClasses();
    fDb = std::make_unique<Database>(kTestItemClass);
    fSubject.reset(
        static_cast<ISubject*>(fDb->Instantiate(fDb->GetRootUID(), ISubject::kDefaultIID)));
    ASSERT_TRUE(fSubject);
  }
  void TearDown() override {
    fSubject.reset();
    fDb.reset();
    HostTest::TearDown();
  }

  std::unique_ptr<Database> fDb;
  InterfacePtr<ISubject> fSubject;
};

TEST_F(SubjectTest, ObserversHearOnlyTheirProtocolInTheOrderTheyAttached) {
  RecordingObserver first, second;
  int marker = 0;
  fSubject->AttachObserver(&first, 0x100);
  fSubject->AttachObserver(&second, 0x100);
  fSubject->AttachObserver(&first, 0x100);  // a second attach changes nothing
  fSubject->AttachObserver(&second, 0x200);
  fSubject->ModelChange(0x55, 0x100, &marker, &fDb);
  ASSERT_EQ(first.heard.size(), 1u);
  EXPECT_EQ(first.heard[0].change, 0x55u);
  EXPECT_EQ(first.heard[0].subject, fSubject.get());
  EXPECT_EQ(first.heard[0].protocol, 0x100u);
  EXPECT_EQ(first.heard[0].changedBy, &marker);
  EXPECT_EQ(first.heard[0].data, static_cast<void*>(&fDb));
  EXPECT_EQ(second.heard.size(), 1u);
  fSubject->ModelChange(0x56, 0x200);
  EXPECT_EQ(first.heard.size(), 1u);
  EXPECT_EQ(second.heard.size(), 2u);
  fSubject->DetachObserver(&second, 0x200);
  EXPECT_FALSE(fSubject->IsAttached(&second, 0x200));
  EXPECT_TRUE(fSubject->IsAttached(&second, 0x100));
  fSubject->DetachObserver(&first, 0x100);
  fSubject->DetachObserver(&second, 0x100);
}

TEST_F(SubjectTest, AnObserverDetachedDuringAnUpdateIsNotCalled) {
  RecordingObserver first, second;
  first.detachOnUpdate = &second;
  fSubject->AttachObserver(&first, 1);
  fSubject->AttachObserver(&second, 1);
  fSubject->ModelChange(7, 1);
  EXPECT_EQ(first.heard.size(), 1u);
  EXPECT_TRUE(second.heard.empty());
  fSubject->DetachObserver(&first, 1);
}

TEST_F(SubjectTest, TheBroadcastUtilityReachesTheDocumentsListenersOnly) {
  InterfacePtr<IBroadcastUtils> utils(
      static_cast<IBroadcastUtils*>(UtilsBoss::QueryUtils(IBroadcastUtils::kDefaultIID)));
  ASSERT_TRUE(utils);
  Database other(kTestItemClass);
  RecordingObserver listener, elsewhere;
  InterfacePtr<ISubject> documentWide(utils->QueryBroadcastSubject(fDb.get()));
  InterfacePtr<ISubject> otherWide(utils->QueryBroadcastSubject(&other));
  ASSERT_TRUE(documentWide);
  EXPECT_NE(documentWide.get(), otherWide.get());
  documentWide->AttachObserver(&listener, 0x182903);
  otherWide->AttachObserver(&elsewhere, 0x182903);
  int changer = 0;
  utils->BroadcastModelChange(fDb.get(), 0x182904, 0x182903, &changer);
  utils->BroadcastModelChange(nullptr, 0x182904, 0x182903, &changer);
  ASSERT_EQ(listener.heard.size(), 1u);
  EXPECT_EQ(listener.heard[0].change, 0x182904u);
  EXPECT_EQ(listener.heard[0].changedBy, &changer);
  EXPECT_TRUE(elsewhere.heard.empty());
  EXPECT_EQ(utils->QueryBroadcastSubject(nullptr), nullptr);
  documentWide->DetachObserver(&listener, 0x182903);
  otherWide->DetachObserver(&elsewhere, 0x182903);
}

}  // namespace
