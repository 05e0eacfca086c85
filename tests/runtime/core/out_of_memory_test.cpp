// When the heap cannot give a text, the program says so and ends with a non-zero code instead of
// writing through a null block.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/core/core.h"
#include "tests/support/dialog_finder.h"
#include "tests/support/wait.h"

TEST(OutOfMemory, ShowsAMessageAndExitsWithANonZeroCode) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string child(exe);
  child.replace(child.rfind('\\') + 1, std::string::npos, "oom_child.exe");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(child.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << child;

  // The child's message box, found by its title.
  HWND box = nullptr;
  DWORD pid = 0;
  ASSERT_TRUE(wait_until([&] {
    box = FindWindowA("#32770", HEAP_OUT_OF_MEMORY_TITLE);
    return box && IsWindowVisible(box) && GetWindowThreadProcessId(box, &pid) && pid == pi.dwProcessId;
  })) << "no message box appeared";
  EXPECT_EQ(DialogFinder::text_of(GetDlgItem(box, 0xFFFF)), HEAP_OUT_OF_MEMORY_TEXT);
  PostMessageA(box, WM_COMMAND, IDOK, 0);

  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, HEAP_EXIT_OUT_OF_MEMORY);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
