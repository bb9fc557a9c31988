// Identifiers that only the host's document model uses: its implementations, its commands and
// their data interfaces, in the host's private range 0x7003xx.
#pragma once

#include "BaseType.h"

// Command classes.
constexpr ClassID kNewFrameCmdBoss = 0x700310;
constexpr ClassID kGroupItemsCmdBoss = 0x700311;
constexpr ClassID kInsertTextCmdBoss = 0x700312;
constexpr ClassID kDeleteTextCmdBoss = 0x700313;
constexpr ClassID kSetItemTransformCmdBoss = 0x700314;
constexpr ClassID kSetItemNameCmdBoss = 0x700315;

// Data interfaces of the commands.
constexpr PMIID IID_INEWFRAMECMDDATA = 0x700310;
constexpr PMIID IID_IGROUPITEMSCMDDATA = 0x700311;
constexpr PMIID IID_ITEXTEDITCMDDATA = 0x700312;
constexpr PMIID IID_IITEMTRANSFORMCMDDATA = 0x700313;
constexpr PMIID IID_ISETITEMNAMECMDDATA = 0x700314;

constexpr ImplementationID kDocumentImpl = 0x700301;
constexpr ImplementationID kSpreadListImpl = 0x700302;
constexpr ImplementationID kPageListImpl = 0x700303;
constexpr ImplementationID kSpreadImpl = 0x700304;
constexpr ImplementationID kHierarchyImpl = 0x700305;
constexpr ImplementationID kGeometryImpl = 0x700306;
constexpr ImplementationID kPageItemNameImpl = 0x700307;
constexpr ImplementationID kTextFrameColumnImpl = 0x700308;
constexpr ImplementationID kTextModelImpl = 0x700309;
constexpr ImplementationID kTextModelCmdsImpl = 0x70030A;
constexpr ImplementationID kItemOwnerUtilsImpl = 0x70030B;
constexpr ImplementationID kLayoutUtilsImpl = 0x70030C;
constexpr ImplementationID kPageItemUtilsImpl = 0x70030D;
constexpr ImplementationID kPersistentItemImpl = 0x70030E;
constexpr ImplementationID kNewFrameCmdImpl = 0x700310;
constexpr ImplementationID kNewFrameCmdDataImpl = 0x700311;
constexpr ImplementationID kGroupItemsCmdImpl = 0x700312;
constexpr ImplementationID kGroupItemsCmdDataImpl = 0x700313;
constexpr ImplementationID kInsertTextCmdImpl = 0x700314;
constexpr ImplementationID kDeleteTextCmdImpl = 0x700315;
constexpr ImplementationID kTextEditCmdDataImpl = 0x700316;
constexpr ImplementationID kItemTransformImpl = 0x700317;
constexpr ImplementationID kSetItemTransformCmdImpl = 0x700318;
constexpr ImplementationID kItemTransformCmdDataImpl = 0x700319;
constexpr ImplementationID kSetItemNameCmdImpl = 0x70031A;
constexpr ImplementationID kSetItemNameCmdDataImpl = 0x70031B;
