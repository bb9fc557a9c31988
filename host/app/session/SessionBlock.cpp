#include "SessionBlock.h"

#include "ISession.h"
#include "ISessionMemoryService.h"
#include "InterfacePtr.h"

SessionBlock::~SessionBlock() {
  if (!fBlock) return;
  InterfacePtr<ISessionMemoryService> memory(GetExecutionContextSession(),
                                             ISessionMemoryService::kDefaultIID);
  if (memory) memory->Free(fBlock);
}
