// The shell's functions, loaded at their first use: most starts never need
// shell32.dll, and loading it would lengthen every start.
#pragma once

#include <windows.h>

// The address of the shell32.dll function of this name, or null when the
// shell or the function cannot be had.
FARPROC shell_proc(const char* name);

template <typename Fn> Fn shell_function(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(shell_proc(name)));
}
