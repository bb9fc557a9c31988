// Identifiers of the host's swatches, graphic attributes, opacity, page-item adornments and fonts.
// The numbers that plug-ins rely on are the host's published ones; the rest lie in the host's
// private range 0x7004xx.
#pragma once

#include "BaseType.h"

// Classes.
constexpr ClassID kSwatchBoss = 0x700401;
// One graphic attribute with its value, as the graphic-attribute utility makes it.
constexpr ClassID kGraphicAttributeBoss = 0x700402;
constexpr ClassID kNewSwatchCmdBoss = 0x700410;
constexpr ClassID kSetNonPrintingCmdBoss = 0x700411;
constexpr ClassID kSetOpacityCmdBoss = 0x700412;
// Applies a list of graphic attributes to the items of its item list.
constexpr ClassID kApplyAttributesCmdBoss = 28237;
// Attach and detach an adornment class (IClassIDData) to and from the items of the item list.
constexpr ClassID kAddPageItemAdornmentCmdBoss = 11323;
constexpr ClassID kRemovePageItemAdornmentCmdBoss = 11324;

// Interfaces.
constexpr PMIID IID_ISWATCH = 0x700401;
constexpr PMIID IID_ISWATCHLIST = 0x700402;
constexpr PMIID IID_IGRAPHICATTRIBUTES = 0x700403;
constexpr PMIID IID_IGRAPHICATTRIBUTE = 0x700404;
constexpr PMIID IID_IPAGEITEMADORNMENTLIST = 0x700405;
constexpr PMIID IID_IAPPLYATTRIBUTESCMDDATA = 28208;
constexpr PMIID IID_IADORNMENTSHAPE = 0x700406;
// The session's font manager, its fonts and their instances.
constexpr PMIID IID_IFONTMGR = 15873;
constexpr PMIID IID_IPMFONT = 0x700407;
constexpr PMIID IID_IFONTINSTANCE = 0x700408;

// Utilities (interfaces of the utilities boss, UtilsBoss::QueryUtils).
constexpr PMIID IID_ISWATCHUTILS = 90376;
constexpr PMIID IID_IGRAPHICATTRIBUTEUTILS = 5849;
constexpr PMIID IID_ITRANSPARENCYUTILS = 67609;
