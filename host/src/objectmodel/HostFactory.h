// Factory functions for the host's own implementations, registered like a plug-in's.
#pragma once

#include <new>

#include "ObjectModel.h"

template <class Impl>
ImplementationFactory MakeHostFactory(ImplementationID id) {
  ImplementationFactory f;
  f.plugin = 0;
  f.id = id;
  f.create = [](IPMUnknown* boss) -> IPMUnknown* { return new (std::nothrow) Impl(boss); };
  f.destroy = [](IPMUnknown* impl) { delete static_cast<Impl*>(impl); };
  f.size = []() -> size_t { return sizeof(Impl); };
  return f;
}
