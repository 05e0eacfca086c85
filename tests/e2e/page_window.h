// The windows in which tolvane.exe shows pages (the run window, the
// player's): the browser mode asked for it, and what such a window says
// where the browser control cannot show pages (as under Wine here).
#pragma once

#include <algorithm>

#include "tests/e2e/editor_process.h"

constexpr const char* EMULATION_KEY =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// The browser mode this user has for tolvane.exe; 0 when none.
inline DWORD emulation_mode() {
  DWORD mode = 0, size = sizeof mode;
  if (RegGetValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe", RRF_RT_REG_DWORD, nullptr, &mode, &size) != 0)
    return 0;
  return mode;
}
inline void emulation_mode_set(DWORD mode) {
  if (mode == 0) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe");
    return;
  }
  RegSetKeyValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe", REG_DWORD, &mode, sizeof mode);
}

constexpr const char* CANNOT_SHOW = "This system's web browser control cannot show pages.";
constexpr const char* USE_BROWSER = "Use Script > Open in Browser to see this page in your web browser.";

// The texts of the windows shown inside a window, from the top down.
inline std::vector<std::string> shown_texts(HWND window) {
  std::vector<std::pair<LONG, HWND>> shown;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) shown.emplace_back(place_of(c).top, c);
  std::sort(shown.begin(), shown.end());
  std::vector<std::string> texts;
  for (const auto& s : shown) texts.push_back(text_of(s.second));
  return texts;
}
// Waits until the window shows these texts inside it.
inline bool says(HWND window, const std::vector<std::string>& texts) {
  return wait_until([&] { return shown_texts(window) == texts; }, 5000);
}
