// Run (F5) of a 30,000-character script: the time from the command to the
// browser's navigation request, on the real editor. The editor handles the
// command inside one message, so the round trip of that message is the
// time. Median of 5, with the run window to open and with it already open.
// Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/run_bench.exe
#include <windows.h>

#include "bench/bench_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "tests/support/windows_path.h"

namespace {
// A script of the usual kind, cut to size at a line end.
std::string script_of(size_t size) {
  const std::string block = "static msg,Hello\r\ntextbox name\r\nbutton greet,Say hello\r\n@script\r\n"
                            "function greet() {\r\n   inputstr name,who\r\n   count = count + 1\r\n"
                            "   update msg,\"Hello \" + who\r\n}\r\n@html\r\n";
  std::string text;
  while (text.size() + block.size() <= size) text += block;
  return text + std::string(size - text.size(), 'x');
}

double command_ms(HWND window, int id) {
  DWORD_PTR unused = 0;
  double start = now_ms();
  SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, 30000, &unused);
  return now_ms() - start;
}

} // namespace

int main() {
  std::string exe = windows_path(TOLVANE_EXE);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string command = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::printf("could not start %s\n", exe.c_str());
    return 1;
  }
  WaitForInputIdle(pi.hProcess, 20000);
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i, Sleep(50))
    window = FindWindowExA(nullptr, nullptr, "CorvatineWndClass", "Tolvane");
  HWND field = GetDlgItem(window, 1);
  std::string script = script_of(30000);
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(script.c_str()));

  std::vector<double> opening, open;
  command_ms(window, MENU_RUN); // the first browser of the process loads the control's libraries
  command_ms(window, MENU_KILL);
  for (int i = 0; i < 5; ++i) {
    opening.push_back(command_ms(window, MENU_RUN));
    open.push_back(command_ms(window, MENU_RUN));
    command_ms(window, MENU_KILL);
  }
  std::printf("Run of a %zu-character script to the navigation request: median %.1f ms opening the run window, "
              "%.1f ms with it open\n",
              script.size(), median(opening), median(open));
  SendMessageA(field, EM_SETMODIFY, FALSE, 0);
  PostMessageA(window, WM_COMMAND, MENU_QUIT, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
