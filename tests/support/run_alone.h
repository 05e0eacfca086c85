// Runs one test of this program in a process of its own, for a check that needs what no other test of
// the process may have done before it (a first load, a first output).
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

// True when this program, run with only that test (disabled ones included), ran it and it passed.
inline bool run_alone(const char* test) {
  char exe[MAX_PATH] = "", temp[MAX_PATH] = "", report[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  GetTempPathA(MAX_PATH, temp);
  GetTempFileNameA(temp, "tlv", 0, report);
  std::string command = "\"" + std::string(exe) + "\" --gtest_also_run_disabled_tests --gtest_filter=" + test +
                        " --gtest_output=xml:" + report;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  DWORD code = 1;
  if (CreateProcessA(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  std::ifstream in(report);
  std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(report);
  return code == 0 && xml.find("tests=\"1\" failures=\"0\"") != std::string::npos;
}
