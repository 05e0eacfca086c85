// The temporaries stack: String temporaries a statement passes on as
// arguments are pushed here and released together after the statement.
#include <windows.h>

#include "runtime/core/core.h"

namespace {
char* g_stack[TEMP_STACK_SIZE];
int32_t g_top = 0;
} // namespace

int temp_push(char* temporary) {
  if (g_top >= TEMP_STACK_SIZE) {
    OutputDebugStringA("Heap Stack Overflow");
    return 0;
  }
  g_stack[g_top++] = temporary;
  return 0;
}

int temp_release(int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (g_top <= 0) {
      OutputDebugStringA("Heap Stack Underflow");
      continue;
    }
    --g_top;
    heap_free(g_stack[g_top]);
    g_stack[g_top] = nullptr;
  }
  return 0;
}

int temp_count() { return g_top; }
