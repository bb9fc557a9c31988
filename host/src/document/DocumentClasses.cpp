// The classes of the host's document model: which implementation serves each interface.
#include "DocumentIDs.h"
#include "DocumentImplIDs.h"
#include "HostIDs.h"
#include "ICommand.h"
#include "ISubject.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.DefineClass(kDocBoss, kInvalidClass,
                    {{IID_IDOCUMENT, kDocumentImpl},
                     {IID_ISPREADLIST, kSpreadListImpl},
                     {IID_IPAGELIST, kPageListImpl}});
  // Empty here: plug-ins add their document preferences to it.
  model.DefineClass(kDocWorkspaceBoss, kInvalidClass, {});
  model.DefineClass(kSpreadBoss, kInvalidClass,
                    {{IID_ISPREAD, kSpreadImpl}, {IID_IHIERARCHY, kHierarchyImpl}});
  model.DefineClass(kPageBoss, kInvalidClass, {{IID_IHIERARCHY, kHierarchyImpl}});

  // Page items announce changes of their data (a plug-in's, say) to their observers.
  const std::vector<InterfaceBinding> pageItem = {
      {IID_IHIERARCHY, kHierarchyImpl},         {IID_IGEOMETRY, kGeometryImpl},
      {IID_IITEMTRANSFORM, kItemTransformImpl}, {IID_IPAGEITEMNAME, kPageItemNameImpl},
      {ISubject::kDefaultIID, kSubjectImpl},    {IID_IPERSISTENTITEM, kPersistentItemImpl}};
  model.DefineClass(kFrameItemBoss, kInvalidClass, pageItem);
  model.DefineClass(kGroupItemBoss, kInvalidClass, pageItem);
  model.DefineClass(
      kFrameColumnBoss, kInvalidClass,
      {{IID_IHIERARCHY, kHierarchyImpl}, {IID_ITEXTFRAMECOLUMN, kTextFrameColumnImpl}});
  model.DefineClass(kTextStoryBoss, kInvalidClass,
                    {{IID_ITEXTMODEL, kTextModelImpl}, {IID_ITEXTMODELCMDS, kTextModelCmdsImpl}});

  model.DefineClass(
      kNewFrameCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kNewFrameCmdImpl}, {IID_INEWFRAMECMDDATA, kNewFrameCmdDataImpl}});
  model.DefineClass(kGroupItemsCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kGroupItemsCmdImpl},
                     {IID_IGROUPITEMSCMDDATA, kGroupItemsCmdDataImpl}});
  model.DefineClass(
      kInsertTextCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kInsertTextCmdImpl}, {IID_ITEXTEDITCMDDATA, kTextEditCmdDataImpl}});
  model.DefineClass(kSetItemTransformCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kSetItemTransformCmdImpl},
                     {IID_IITEMTRANSFORMCMDDATA, kItemTransformCmdDataImpl}});
  model.DefineClass(
      kDeleteTextCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kDeleteTextCmdImpl}, {IID_ITEXTEDITCMDDATA, kTextEditCmdDataImpl}});
});

}  // namespace
