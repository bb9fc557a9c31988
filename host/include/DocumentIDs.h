// Identifiers of the host's document model: the classes of documents, spreads, pages, page items
// and stories, their interfaces and the layout utilities. The numbers that plug-ins rely on are
// the host's published ones; the rest lie in the host's private range 0x7003xx.
#pragma once

#include "BaseType.h"

// Classes.
constexpr ClassID kDocBoss = 0x700301;
constexpr ClassID kDocWorkspaceBoss = 0x700302;
constexpr ClassID kSpreadBoss = 0x700303;
constexpr ClassID kPageBoss = 0x700304;
constexpr ClassID kGroupItemBoss = 0x401;
constexpr ClassID kFrameItemBoss = 0x6201;
// The first hierarchy child of a text frame: it links the frame to its story.
constexpr ClassID kFrameColumnBoss = 0x700305;
constexpr ClassID kTextStoryBoss = 0x700306;

// Interfaces.
constexpr PMIID IID_IDOCUMENT = 0xE02;
constexpr PMIID IID_ISPREADLIST = 0x501;
constexpr PMIID IID_ISPREAD = 0x502;
constexpr PMIID IID_IPAGELIST = 0x52C;
constexpr PMIID IID_IHIERARCHY = 0x2C04;
// A page item's persistence; observers of the item are reached through it (its ISubject).
constexpr PMIID IID_IPERSISTENTITEM = 0x2201;
constexpr PMIID IID_ITEXTFRAMECOLUMN = 0xCA12;
constexpr PMIID IID_ITEXTMODEL = 0x202;
constexpr PMIID IID_ITEXTMODELCMDS = 0x2FE;
constexpr PMIID IID_IPAGEITEMNAME = 0x700301;
constexpr PMIID IID_IGEOMETRY = 0x16C8;
constexpr PMIID IID_IITEMTRANSFORM = 0x700302;

// Utilities (interfaces of the utilities boss, UtilsBoss::QueryUtils).
constexpr PMIID IID_IITEMOWNERUTILS = 0x28B;
constexpr PMIID IID_ILAYOUTUTILS = 0x832;
constexpr PMIID IID_IPAGEITEMUTILS = 0x2C38;

// The size of every page, in points.
constexpr PMReal kPageWidth = 612.0;
constexpr PMReal kPageHeight = 792.0;
