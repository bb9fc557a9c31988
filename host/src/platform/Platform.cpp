#include "Platform.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

bool Platform::StandardInputIsTerminal() {
  return isatty(STDIN_FILENO) == 1;
}

void Platform::PreferLargePages(void* start, size_t size) {
  constexpr size_t kLargePage = size_t{2} << 20;
  if (size < 2 * kLargePage) return;
  // Only whole pages of the range can be advised; the system backs each aligned large page that
  // lies inside them with one large page when it first touches it.
  const auto pageSize = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(start) + pageSize - 1) & ~(pageSize - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + size) & ~(pageSize - 1);
  // Advice that is not taken (a system without large pages) changes nothing, so its answer is
  // not needed.
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
