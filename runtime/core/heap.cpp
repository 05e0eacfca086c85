// The runtime's private heap: every String temporary lives here.
#include <windows.h>

#include "runtime/core/core.h"
#include "runtime/core/heap_internal.h"

namespace {
HANDLE g_heap = nullptr;
constexpr SIZE_T kInitialHeapSize = 0x7FFFF;
constexpr int32_t kSpareBytes = 3; // every block carries three zero bytes behind its text
} // namespace

const char* const HEAP_OUT_OF_MEMORY_TITLE = "Tolvane";
const char* const HEAP_OUT_OF_MEMORY_TEXT =
    "The program ran out of memory and has to close.";

int heap_start() {
  if (!g_heap) g_heap = HeapCreate(0, kInitialHeapSize, 0);
  return g_heap ? 1 : 0;
}

void heap_stop() {
  if (g_heap) HeapDestroy(g_heap);
  g_heap = nullptr;
}

void* heap_alloc(int32_t n) {
  if (!g_heap || n < 0 || n > INT32_MAX - kSpareBytes) return nullptr;
  SIZE_T size = static_cast<SIZE_T>(n) + kSpareBytes;
  void* block = HeapAlloc(g_heap, HEAP_ZERO_MEMORY, size);
  if (block) return block;
  HeapCompact(g_heap, 0);
  return HeapAlloc(g_heap, HEAP_ZERO_MEMORY, size);
}

int32_t heap_text_size(int64_t length) {
  if (length < 0 || length > INT32_MAX - kSpareBytes - 1) return -1;
  return static_cast<int32_t>(length + 1);
}

int heap_free(void* block) {
  if (!g_heap || !block) return 0;
  return HeapFree(g_heap, 0, block) ? 1 : 0;
}

void* heap_alloc_or_stop(int32_t n) {
  void* block = heap_alloc(n);
  if (block) return block;
  MessageBoxA(nullptr, HEAP_OUT_OF_MEMORY_TEXT, HEAP_OUT_OF_MEMORY_TITLE,
              MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
  ExitProcess(HEAP_EXIT_OUT_OF_MEMORY);
}
