// The document-wide broadcast utility: announces a change over a whole database to the
// listeners of that document, wherever in it the change happened.
#pragma once

#include "ISubject.h"

class IDataBase;

class IBroadcastUtils : public IPMUnknown {
 public:
  enum { kDefaultIID = 11311 };

  // Sends the change to the observers attached, for its protocol, to the database's broadcast
  // subject. A null database does nothing.
  virtual void BroadcastModelChange(IDataBase* db, ClassID change, PMIID protocol,
                                    void* changedBy = nullptr, void* data = nullptr) = 0;
  // The subject on which a database's broadcasts are heard, with a reference added; null for a
  // null database.
  virtual ISubject* QueryBroadcastSubject(IDataBase* db) = 0;
};
