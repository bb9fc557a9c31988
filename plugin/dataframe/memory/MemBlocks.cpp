#include "dataframe/memory/MemBlocks.h"

#include "ISession.h"
#include "ISessionMemoryService.h"
#include "InterfacePtr.h"
#include "PlatformCalls.h"

namespace {

// The session's service for one call, released when the call is done.
InterfacePtr<ISessionMemoryService> QueryService() {
  ISession* session = GetExecutionContextSession();
  return InterfacePtr<ISessionMemoryService>(session, ISessionMemoryService::kDefaultIID);
}

}  // namespace

MemBlock NewMemBlock(uint32 size) {
  InterfacePtr<ISessionMemoryService> service = QueryService();
  return service ? service->Allocate(size) : nullptr;
}

MemBlock NewMemBlockAlt(uint32 size) {
  InterfacePtr<ISessionMemoryService> service = QueryService();
  return service ? service->AllocateAlt(size) : nullptr;
}

uint32 MemBlockSize(MemBlock block) {
  InterfacePtr<ISessionMemoryService> service = QueryService();
  return service ? service->BlockSize(block) : 0;
}

void ResizeMemBlock(MemBlock block, uint32 newSize) {
  InterfacePtr<ISessionMemoryService> service = QueryService();
  if (service) service->Resize(block, newSize);
}

void FreeMemBlock(MemBlock block) {
  InterfacePtr<ISessionMemoryService> service = QueryService();
  if (service) service->Free(block);
}

void BeepAlert() {
  MessageBeep(0);
}
