// The document object's own state: the reference to its workspace.
#include "CPMUnknown.h"
#include "DocumentImplIDs.h"
#include "IDataBase.h"
#include "IDocument.h"
#include "IPMStream.h"
#include "PersistentHostFactory.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

class Document : public CPMUnknown<IDocument> {
 public:
  explicit Document(IPMUnknown* boss) : CPMUnknown(boss) {}

  UIDRef GetWorkspaceRef() const override { return UIDRef(GetDataBase(), fWorkspace); }
  void SetWorkspaceUID(UID workspace) override {
    PreDirty();
    fWorkspace = workspace;
  }

  void ReadWrite(IPMStream* stream, ImplementationID) { stream->XferInt32(fWorkspace); }

 private:
  UID fWorkspace = kInvalidUID;
};

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.RegisterImplementation(MakePersistentHostFactory<Document>(kDocumentImpl));
});

}  // namespace
