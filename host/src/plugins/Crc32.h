// CRC-32 (the IEEE polynomial, as zip and PNG use it), for checking stored bytes.
#pragma once

#include <cstddef>

#include "BaseType.h"

uint32 Crc32(const void* data, size_t size);
