// Making an object of a class that is not part of a document: a service that a plug-in defines
// in its resources (another plug-in reaches it by the class ID that the first one publishes).
#pragma once

#include "IPMUnknown.h"

// An interface of a new object of the class, holding the object's one reference (the object goes
// when the caller releases it); null when the class is not defined or lacks the interface.
HOST_API IPMUnknown* CreateObject(ClassID classID, PMIID interfaceID);
