// The classes of swatches, graphic attributes, adornments and text options, and what they add to
// the document model's classes: page items get a look and an adornment list, the document's
// workspace its swatches, its text options and its persistence interface (through which commands
// name it), the utilities boss the swatch, graphic-attribute and transparency utilities.
#include "DocumentIDs.h"
#include "GraphicsIDs.h"
#include "GraphicsImplIDs.h"
#include "HostIDs.h"
#include "IBoolData.h"
#include "IClassIDData.h"
#include "ICommand.h"
#include "ITextOptions.h"
#include "IUIDData.h"
#include "document/DocumentImplIDs.h"
#include "objectmodel/HostClassRegistrar.h"

namespace {

HostClassRegistrar gRegistrar([](ObjectModel& model) {
  model.DefineClass(kSwatchBoss, kInvalidClass, {{IID_ISWATCH, kSwatchImpl}});
  model.DefineClass(kGraphicAttributeBoss, kInvalidClass,
                    {{IID_IGRAPHICATTRIBUTE, kGraphicAttributeImpl}});

  model.DefineClass(
      kNewSwatchCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kNewSwatchCmdImpl}, {IID_INEWSWATCHCMDDATA, kNewSwatchCmdDataImpl}});
  model.DefineClass(kApplyAttributesCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kApplyAttributesCmdImpl},
                     {IID_IAPPLYATTRIBUTESCMDDATA, kApplyAttributesCmdDataImpl}});
  model.DefineClass(
      kSetNonPrintingCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kSetNonPrintingCmdImpl}, {IBoolData::kDefaultIID, kBoolDataImpl}});
  model.DefineClass(
      kSetOpacityCmdBoss, kInvalidClass,
      {{ICommand::kDefaultIID, kSetOpacityCmdImpl}, {IID_IREALNUMBERDATA, kRealNumberDataImpl}});
  model.DefineClass(kAddPageItemAdornmentCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kAddPageItemAdornmentCmdImpl},
                     {IClassIDData::kDefaultIID, kClassIDDataImpl}});
  model.DefineClass(kRemovePageItemAdornmentCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kRemovePageItemAdornmentCmdImpl},
                     {IClassIDData::kDefaultIID, kClassIDDataImpl}});
  model.DefineClass(kSetTypographersQuotesCmdBoss, kInvalidClass,
                    {{ICommand::kDefaultIID, kSetTypographersQuotesCmdImpl},
                     {IUIDData::kDefaultIID, kUIDDataImpl},
                     {IBoolData::kDefaultIID, kBoolDataImpl}});

  for (ClassID pageItem : {kFrameItemBoss, kGroupItemBoss}) {
    model.AddIn(pageItem, {{IID_IGRAPHICATTRIBUTES, kGraphicAttributesImpl},
                           {IID_IPAGEITEMADORNMENTLIST, kPageItemAdornmentListImpl}});
  }
  model.AddIn(kDocWorkspaceBoss, {{IID_IPERSISTENTITEM, kPersistentItemImpl},
                                  {IID_ISWATCHLIST, kSwatchListImpl},
                                  {ITextOptions::kDefaultIID, kTextOptionsImpl}});
  model.AddIn(kUtilsBoss, {{IID_ISWATCHUTILS, kSwatchUtilsImpl},
                           {IID_IGRAPHICATTRIBUTEUTILS, kGraphicAttributeUtilsImpl},
                           {IID_ITRANSPARENCYUTILS, kTransparencyUtilsImpl}});
});

}  // namespace
