// The CRC-32 of ISO 3309 (as in zip and PNG), which guards a document file against damage.
#pragma once

#include "BaseType.h"

uint32 Crc32(const uint8* data, size_t size);
