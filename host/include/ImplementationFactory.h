// The functions through which the host creates, destroys, sizes and streams an implementation.
#pragma once

#include "IPMUnknown.h"

class IPMStream;

typedef IPMUnknown* (*CreateImplementationProc)(IPMUnknown* boss);
typedef void (*DestroyImplementationProc)(IPMUnknown* implementation);
typedef size_t (*ImplementationSizeProc)();
typedef void (*ReadWriteImplementationProc)(IPMUnknown* implementation, IPMStream* stream,
                                            ImplementationID implementationID);
