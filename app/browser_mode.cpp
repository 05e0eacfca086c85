// The system's browser control shows pages in an old document mode unless
// the program asks for the newest one. The program asks once, per user,
// before its first browser control is made, and never over a choice the
// user already made.
#include <windows.h>

#include <string>

#include "app/app.h"

namespace {
constexpr const char* EMULATION_KEY =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
constexpr DWORD NEWEST_MODE = 11001;

std::string program_file_name() {
  char path[MAX_PATH * 2] = {};
  DWORD got = GetModuleFileNameA(nullptr, path, sizeof path);
  if (got == 0 || got >= sizeof path) return "";
  std::string whole(path, got);
  return whole.substr(whole.find_last_of("\\/") + 1);
}
} // namespace

void browser_mode_ensure() {
  static bool done = false;
  if (done) return;
  done = true;
  std::string name = program_file_name();
  if (name.empty()) return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, EMULATION_KEY, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_FILE_NOT_FOUND) {
    DWORD mode = NEWEST_MODE;
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof mode);
  }
  RegCloseKey(key);
}
