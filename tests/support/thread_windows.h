// Finding windows as a person sees them: a window's class, and the top-level windows of a thread.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline std::string class_of(HWND w) {
  char name[64] = "";
  GetClassNameA(w, name, sizeof name);
  return name;
}

// The top-level windows of a thread (of this process or another), shown or not; only those of the
// class when one is named.
inline std::vector<HWND> thread_windows(DWORD thread, const char* class_name = nullptr) {
  struct Visit {
    static BOOL CALLBACK each(HWND w, LPARAM found) {
      reinterpret_cast<std::vector<HWND>*>(found)->push_back(w);
      return TRUE;
    }
  };
  std::vector<HWND> all, out;
  EnumThreadWindows(thread, Visit::each, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all)
    if (!class_name || class_of(w) == class_name) out.push_back(w);
  return out;
}
