// Functions of system libraries, each library loaded at its first use and
// kept for the life of the process.
#include <cstring>
#include <string>

#include "runtime/core/core.h"

namespace {
// The libraries loaded so far; a program needs only a handful.
struct Loaded {
  char name[32];
  HMODULE module;
};
Loaded g_loaded[16];
int g_count = 0;

// From the system folder by its full path: a library of the same name
// beside the program or in the current folder is never taken for it.
HMODULE load_from_system(const char* library) {
  char folder[MAX_PATH];
  UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return nullptr;
  return LoadLibraryA((std::string(folder) + "\\" + library).c_str());
}

} // namespace

HMODULE system_library(const char* library) {
  for (int i = 0; i < g_count; ++i)
    if (lstrcmpiA(g_loaded[i].name, library) == 0) return g_loaded[i].module;
  if (g_count == static_cast<int>(sizeof g_loaded / sizeof *g_loaded) ||
      std::strlen(library) >= sizeof g_loaded[0].name)
    return nullptr;
  // One the process has already (through the manifest, say, for the common
  // controls) is taken as it is, so that a second copy of it never comes in;
  // it is pinned, since whoever loaded it may let it go.
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, library, &module)) module = load_from_system(library);
  if (!module) return nullptr; // asked again next time: it may be there by then
  Loaded& entry = g_loaded[g_count++];
  std::strcpy(entry.name, library);
  entry.module = module;
  return module;
}

FARPROC system_proc(const char* library, const char* name) {
  HMODULE module = system_library(library);
  return module ? GetProcAddress(module, name) : nullptr;
}
