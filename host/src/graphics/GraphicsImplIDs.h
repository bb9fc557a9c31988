// Identifiers that only the host's swatches, graphic attributes, adornments, command arguments and
// text options use: their implementations and private interfaces, in the range 0x7004xx.
#pragma once

#include "BaseType.h"

// Private interfaces.
constexpr PMIID IID_INEWSWATCHCMDDATA = 0x700410;
constexpr PMIID IID_IREALNUMBERDATA = 0x700411;

// Swatches.
constexpr ImplementationID kSwatchImpl = 0x700401;
constexpr ImplementationID kSwatchListImpl = 0x700402;
constexpr ImplementationID kSwatchUtilsImpl = 0x700403;
constexpr ImplementationID kNewSwatchCmdImpl = 0x700404;
constexpr ImplementationID kNewSwatchCmdDataImpl = 0x700405;

// Graphic attributes and opacity.
constexpr ImplementationID kGraphicAttributesImpl = 0x700410;
constexpr ImplementationID kGraphicAttributeImpl = 0x700411;
constexpr ImplementationID kGraphicAttributeUtilsImpl = 0x700412;
constexpr ImplementationID kApplyAttributesCmdImpl = 0x700413;
constexpr ImplementationID kApplyAttributesCmdDataImpl = 0x700414;
constexpr ImplementationID kSetNonPrintingCmdImpl = 0x700415;
constexpr ImplementationID kTransparencyUtilsImpl = 0x700416;
constexpr ImplementationID kSetOpacityCmdImpl = 0x700417;

// Adornments.
constexpr ImplementationID kPageItemAdornmentListImpl = 0x700420;
constexpr ImplementationID kAddPageItemAdornmentCmdImpl = 0x700421;
constexpr ImplementationID kRemovePageItemAdornmentCmdImpl = 0x700422;

// Command arguments.
constexpr ImplementationID kClassIDDataImpl = 0x700430;
constexpr ImplementationID kBoolDataImpl = 0x700431;
constexpr ImplementationID kUIDDataImpl = 0x700432;
constexpr ImplementationID kRealNumberDataImpl = 0x700433;

// Text options.
constexpr ImplementationID kTextOptionsImpl = 0x700440;
constexpr ImplementationID kSetTypographersQuotesCmdImpl = 0x700441;

// Fonts.
constexpr ImplementationID kFontManagerImpl = 0x700450;
