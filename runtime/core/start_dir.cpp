// The program's own directory.
#include <windows.h>

#include "runtime/core/core.h"

namespace {
// Larger than MAX_PATH so that no path the system gives us is cut.
char g_module_path[1024];
}

char* start_dir() {
  DWORD n = GetModuleFileNameA(nullptr, g_module_path, sizeof g_module_path);
  if (n >= sizeof g_module_path) n = sizeof g_module_path - 1; // cut, never unterminated
  g_module_path[n] = 0;
  char* slash = nullptr;
  for (char* p = g_module_path; *p; ++p)
    if (*p == '\\') slash = p;
  if (slash) slash[1] = 0;
  return text_dup(g_module_path);
}
