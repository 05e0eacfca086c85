// Running a program to its end, within a bounded time, never waiting on it for ever.
#pragma once

#include <windows.h>

#include <string>

// Runs a command line (the program exe, or the line's first word when exe is null) in the test's current
// folder: its exit code; -1 when it could not start or did not end within timeout_ms (it is then ended).
inline long run_program(std::string command, const char* exe = nullptr, DWORD timeout_ms = 60000) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(pi.hProcess, timeout_ms) == WAIT_OBJECT_0) {
    GetExitCodeProcess(pi.hProcess, &code);
  } else {
    TerminateProcess(pi.hProcess, code);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<long>(code);
}
