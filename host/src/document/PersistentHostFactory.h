// The factory of a host implementation whose state is stored with the document: the host's read
// and write function calls the implementation's own ReadWrite.
#pragma once

#include "objectmodel/HostFactory.h"

template <class Impl>
ImplementationFactory MakePersistentHostFactory(ImplementationID id) {
  ImplementationFactory f = MakeHostFactory<Impl>(id);
  f.readWrite = [](IPMUnknown* impl, IPMStream* stream, ImplementationID implementation) {
    static_cast<Impl*>(impl)->ReadWrite(stream, implementation);
  };
  return f;
}
