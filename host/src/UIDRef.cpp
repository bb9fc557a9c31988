#include "UIDRef.h"

const UIDRef kInvalidUIDRef;
