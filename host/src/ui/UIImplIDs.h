// Identifiers that only the host's user-interface layer uses: its implementations and its private
// base class of widgets, in the range 0x7006xx.
#pragma once

#include "BaseType.h"

// What every widget class derives from: control view, parent and subject.
constexpr ClassID kWidgetBoss = 0x700600;

constexpr ImplementationID kControlViewImpl = 0x700601;
constexpr ImplementationID kPanelControlDataImpl = 0x700602;
constexpr ImplementationID kWidgetParentImpl = 0x700603;
constexpr ImplementationID kTextControlDataImpl = 0x700604;
constexpr ImplementationID kStringListControlDataImpl = 0x700605;
constexpr ImplementationID kDropDownListControllerImpl = 0x700606;
constexpr ImplementationID kTriStateControlDataImpl = 0x700607;
constexpr ImplementationID kWindowImpl = 0x700608;
constexpr ImplementationID kDialogImpl = 0x700609;
constexpr ImplementationID kDialogMgrImpl = 0x70060A;
