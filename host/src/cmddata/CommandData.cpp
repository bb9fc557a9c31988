// The plain arguments of commands: a class ID, a boolean, a target object and a real number.
// They live only as long as their command and are never stored.
#include "CPMUnknown.h"
#include "IBoolData.h"
#include "IClassIDData.h"
#include "IDataBase.h"
#include "IRealNumberData.h"
#include "IUIDData.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"

namespace {

template <class Interface, class Value>
class ValueData : public CPMUnknown<Interface> {
 public:
  explicit ValueData(IPMUnknown* boss) : CPMUnknown<Interface>(boss) {}

  void Set(Value value) override { fValue = value; }
  Value Get() const override { return fValue; }

 private:
  Value fValue = Value();
};

typedef ValueData<IClassIDData, ClassID> ClassIDData;
typedef ValueData<IBoolData, bool16> BoolData;
typedef ValueData<IRealNumberData, PMReal> RealNumberData;

class UIDData : public CPMUnknown<IUIDData> {
 public:
  explicit UIDData(IPMUnknown* boss) : CPMUnknown(boss) {}

  void Set(const IPMUnknown* object) override {
    fRef = object ? ::GetUIDRef(object) : kInvalidUIDRef;
  }
  void Set(const UIDRef& ref) override { fRef = ref; }
  const UIDRef& GetRef() const override { return fRef; }

 private:
  UIDRef fRef;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakeHostFactory<ClassIDData>(kClassIDDataImpl));
  model.RegisterImplementation(MakeHostFactory<BoolData>(kBoolDataImpl));
  model.RegisterImplementation(MakeHostFactory<RealNumberData>(kRealNumberDataImpl));
  model.RegisterImplementation(MakeHostFactory<UIDData>(kUIDDataImpl));
});

}  // namespace
