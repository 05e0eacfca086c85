// Runs one test of this program in a process of its own, for a check that needs what no other test of
// the process may have done before it (a first load, a first output).
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/run_program.h"

// True when this program, run with only that test (disabled ones included), ran it and it passed.
inline bool run_alone(const char* test) {
  char exe[MAX_PATH] = "", temp[MAX_PATH] = "", report[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  GetTempPathA(MAX_PATH, temp);
  GetTempFileNameA(temp, "tlv", 0, report);
  std::string command = "\"" + std::string(exe) + "\" --gtest_also_run_disabled_tests --gtest_filter=" + test +
                        " --gtest_output=xml:" + report;
  long code = run_program(command, exe);
  std::ifstream in(report);
  std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(report);
  return code == 0 && xml.find("tests=\"1\" failures=\"0\"") != std::string::npos;
}
