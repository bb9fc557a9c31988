// The scripting objects of the host: the application, documents (their root objects) and page
// items, each of which tells scripts its object type.
#include "CPMUnknown.h"
#include "DocumentIDs.h"
#include "HostIDs.h"
#include "IDataBase.h"
#include "IScript.h"
#include "ScriptingImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"
#include "objectmodel/HostFactory.h"
#include "text/FrameStory.h"

namespace {

template <ScriptID kType>
class FixedTypeScript : public CPMUnknown<IScript> {
 public:
  explicit FixedTypeScript(IPMUnknown* boss) : CPMUnknown(boss) {}
  ScriptID GetObjectType() const override { return kType; }
};

// A frame with a story is a text frame; other frames and groups are page items.
class PageItemScript : public CPMUnknown<IScript> {
 public:
  explicit PageItemScript(IPMUnknown* boss) : CPMUnknown(boss) {}
  ScriptID GetObjectType() const override {
    return FrameStory::StoryUID(GetUIDRef(this)) != kInvalidUID ? kTextFrameScriptObject
                                                                : kPageItemScriptObject;
  }
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(
      MakeHostFactory<FixedTypeScript<kApplicationScriptObject>>(kApplicationScriptImpl));
  model.RegisterImplementation(
      MakeHostFactory<FixedTypeScript<kDocumentScriptObject>>(kDocumentScriptImpl));
  model.RegisterImplementation(MakeHostFactory<PageItemScript>(kPageItemScriptImpl));
  model.AddIn(kApplicationBoss, {{IID_ISCRIPT, kApplicationScriptImpl}});
  model.AddIn(kDocBoss, {{IID_ISCRIPT, kDocumentScriptImpl}});
  model.AddIn(kFrameItemBoss, {{IID_ISCRIPT, kPageItemScriptImpl}});
  model.AddIn(kGroupItemBoss, {{IID_ISCRIPT, kPageItemScriptImpl}});
});

}  // namespace
