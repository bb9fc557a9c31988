// What a persistent implementation stores: its bytes as its registered read/write function
// writes them, and reading such bytes back into it.
#pragma once

#include <vector>

#include "IPMUnknown.h"

// The bytes of the object's implementation of the interface.
std::vector<uint8> StoredBytes(const IPMUnknown* object, PMIID interfaceID);
// Reads the bytes into that implementation; false when it wanted more bytes than there are or
// left some unread.
bool ReadStoredBytes(const IPMUnknown* object, PMIID interfaceID, const std::vector<uint8>& bytes);
