// Opening the plug-in's dialogs. The host builds each from the plug-in's view resource of that
// number; its controller and observer (the plug-in's) do the rest.
#pragma once

#include "IDialog.h"
#include "RsrcSpec.h"

constexpr RsrcID kVantellePrefsDialogViewID = 250;
constexpr RsrcID kTagDataFrameDialogViewID = 251;

// Asks the application's dialog manager for the dialog (view resource of this plug-in, localised
// for the host's locale) and opens it with no parent window; with waitUntilClosed, returns once
// the person has closed it. False, having shown nothing, when the session, application, dialog
// manager or dialog is missing.
bool16 OpenVantelleDialog(RsrcID viewID, IDialog::DialogType type, bool16 waitUntilClosed);
