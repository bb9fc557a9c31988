// A small plug-in built on the plug-in entry, loaded by the loading tests. Its start-up and
// shut-down services show alerts, so that a test can see them run.
#include "CAlert.h"
#include "CPMUnknown.h"
#include "IPMStream.h"
#include "IStartupShutdownService.h"
#include "TestPlugInIDs.h"
#include "frame/ImplementationRegistration.h"

namespace {

template <int32 kWhich>
class TestWhich : public CPMUnknown<ITestWhich> {
 public:
  explicit TestWhich(IPMUnknown* boss) : CPMUnknown(boss) {}
  int32 Which() const override { return kWhich; }
};
using TestBaseWhich = TestWhich<kBaseWhich>;
using TestDerivedWhich = TestWhich<kDerivedWhich>;
using TestUtilityWhich = TestWhich<kUtilityWhich>;
using TestApplicationWhich = TestWhich<kApplicationWhich>;

class TestValue : public CPMUnknown<ITestValue> {
 public:
  explicit TestValue(IPMUnknown* boss) : CPMUnknown(boss) {}
  int32 Get() const override { return fValue; }
  void Set(int32 value) override {
    PreDirty();
    fValue = value;
  }
  void ReadWrite(IPMStream* stream, ImplementationID) { stream->XferInt32(fValue); }

 private:
  int32 fValue = 0;
};

class TestService : public CPMUnknown<IStartupShutdownService> {
 public:
  explicit TestService(IPMUnknown* boss) : CPMUnknown(boss) {}
  void Startup() override { CAlert::WarningAlert("0x7C0000kStartedKey"); }
  void Shutdown() override { CAlert::ErrorAlert("0x7C0000kStoppedKey"); }
};

}  // namespace

// In the order of the implementation IDs: the host sees them newest first.
CREATE_PERSIST_PMINTERFACE(TestValue, kTestValueImpl);
CREATE_PMINTERFACE(TestBaseWhich, kTestBaseWhichImpl);
CREATE_PMINTERFACE(TestDerivedWhich, kTestDerivedWhichImpl);
CREATE_PMINTERFACE(TestUtilityWhich, kTestUtilityWhichImpl);
CREATE_PMINTERFACE(TestApplicationWhich, kTestApplicationWhichImpl);
CREATE_PMINTERFACE(TestService, kTestServiceImpl);
