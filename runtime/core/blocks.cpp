// Zeroed global-memory blocks for the runtime's own records.
#include <windows.h>

#include "runtime/core/core.h"

void* block_alloc(uint32_t type_code, uint32_t count) {
  if (count == 0) return nullptr;
  uint64_t bytes = static_cast<uint64_t>(count) * value_element_size(type_code);
  if (bytes > 0x7FFFFFFFu) return nullptr;
  return GlobalAlloc(GMEM_ZEROINIT, static_cast<SIZE_T>(bytes));
}

int block_free(void* block) {
  if (block) GlobalFree(block);
  return 0;
}

int mem_alloc(void** out, uint32_t count, uint32_t size) {
  uint64_t bytes = static_cast<uint64_t>(count) * size;
  *out = bytes > 0x7FFFFFFFu ? nullptr : GlobalAlloc(GMEM_ZEROINIT, static_cast<SIZE_T>(bytes));
  return *out ? 0 : -1;
}

int mem_free(void* block) {
  if (block) GlobalFree(block);
  return 0;
}
