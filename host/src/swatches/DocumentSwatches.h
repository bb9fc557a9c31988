// The swatches of a document as the host's own code reaches them.
#pragma once

#include "ISwatch.h"
#include "ISwatchList.h"
#include "InterfacePtr.h"

class IDataBase;

namespace DocumentSwatches {

// The swatch list of the document's workspace; null for a database that is no document.
InterfacePtr<ISwatchList> QuerySwatchList(IDataBase* db);

// The first listed swatch with exactly that name; kInvalidUID when there is none.
UID Find(IDataBase* db, const PMString& name);

// Whether every fraction is a number from 0 to 1.
bool IsValidProcessColor(const ProcessColor& color);

// Gives a new document the swatches every document starts with: "None", "Paper", "Black" and
// "Registration". Called while the document is being made, before its history is cleared. False
// when a swatch cannot be made.
bool AddDefaults(IDataBase* db);

}  // namespace DocumentSwatches
