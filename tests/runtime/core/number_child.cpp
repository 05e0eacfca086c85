// Started by the C runtime test from a folder that also holds a crtdll.dll
// of the tests' own: formats a real number and ends with 0 when the
// crtdll.dll the process holds (if any) is the system folder's, 1 when the
// one beside the program was loaded, 2 when the number came out wrong.
#include <windows.h>

#include <cstring>
#include <string>

#include "runtime/core/core.h"

int main() {
  heap_start();
  TempText number(num_to_text(0.125));
  if (std::strcmp(number.get(), " 0.13") != 0) return 2;
  char system[MAX_PATH] = "", path[MAX_PATH] = "";
  GetSystemDirectoryA(system, MAX_PATH);
  HMODULE crt = GetModuleHandleA("crtdll.dll");
  if (!crt) return 0;
  GetModuleFileNameA(crt, path, MAX_PATH);
  std::string folder(path, std::strrchr(path, '\\') ? std::strrchr(path, '\\') - path : 0);
  return lstrcmpiA(folder.c_str(), system) == 0 ? 0 : 1;
}
