// Loads shell32.dll once, when a command first needs it; it stays loaded
// for the rest of the run.
#include "app/shell_calls.h"

FARPROC shell_proc(const char* name) {
  static HMODULE shell = LoadLibraryA("shell32.dll");
  return shell ? GetProcAddress(shell, name) : nullptr;
}
