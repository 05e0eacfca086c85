// Which data type a print job goes to the spooler with.
#include <windows.h>

#include "runtime/controls/print_internal.h"

bool print_under_wine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const char* print_spool_data_type(const char* requested, bool under_wine) {
  if (under_wine && requested && lstrcmpiA(requested, "TEXT") == 0)
    return "RAW";
  return requested;
}
