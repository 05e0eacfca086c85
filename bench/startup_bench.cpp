// Start-up of the editor to its first idle wait for input (the first
// msg_wait with an empty queue), side by side with the same measurement of
// the system's notepad. Median of several starts. Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/startup_bench.exe
#include <windows.h>

#include "bench/bench_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/windows_path.h"

namespace {
// Milliseconds from CreateProcess to the first input-idle moment; -1 when
// the program did not start.
double start_to_idle(const std::string& exe, bool quit_by_menu) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string command = "\"" + exe + "\"";
  double start = now_ms();
  if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  DWORD idle = WaitForInputIdle(pi.hProcess, 20000);
  double elapsed = now_ms() - start;
  // Ends the program as a person would, so that the next start finds no
  // leftovers; the editor's Quit with nothing modified ends it at once.
  HWND window = nullptr;
  struct Find {
    static BOOL CALLBACK each(HWND w, LPARAM data) {
      if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == nullptr) {
        *reinterpret_cast<HWND*>(data) = w;
        return FALSE;
      }
      return TRUE;
    }
  };
  EnumThreadWindows(pi.dwThreadId, Find::each, reinterpret_cast<LPARAM>(&window));
  if (window) PostMessageA(window, quit_by_menu ? WM_COMMAND : WM_CLOSE, quit_by_menu ? 6 : 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return idle == 0 ? elapsed : -1;
}

void measure(const char* name, const std::string& exe, bool quit_by_menu) {
  const int kRuns = 7;
  start_to_idle(exe, quit_by_menu); // warms the file cache and Wine's services
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    double t = start_to_idle(exe, quit_by_menu);
    if (t >= 0) times.push_back(t);
  }
  if (times.empty()) {
    std::printf("%-10s did not start (%s)\n", name, exe.c_str());
    return;
  }
  std::printf("%-10s start-up to first idle: median %.1f ms, min %.1f ms (%zu runs)\n", name, median(times),
              *std::min_element(times.begin(), times.end()), times.size());
}
} // namespace

int main() {
  measure("tolvane", windows_path(TOLVANE_EXE), true);
  char system[MAX_PATH] = "";
  GetSystemDirectoryA(system, sizeof system);
  measure("notepad", std::string(system) + "\\notepad.exe", false);
  return 0;
}
