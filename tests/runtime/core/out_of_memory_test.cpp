// When the heap cannot give a text, the program says so and ends with a
// non-zero code instead of writing through a null block.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/core/core.h"
#include "tests/support/wait.h"

namespace {
struct FindBox { DWORD pid; HWND found; };

BOOL CALLBACK find_box(HWND w, LPARAM lp) {
  FindBox* f = reinterpret_cast<FindBox*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[32] = "";
  GetClassNameA(w, cls, sizeof cls);
  if (pid == f->pid && std::string(cls) == "#32770" && IsWindowVisible(w)) {
    f->found = w;
    return FALSE;
  }
  return TRUE;
}

std::string window_text(HWND w) {
  char text[512] = "";
  SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}
} // namespace

TEST(OutOfMemory, ShowsAMessageAndExitsWithANonZeroCode) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string child(exe);
  child.erase(child.rfind('\\') + 1);
  child += "oom_child.exe";

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(child.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi))
      << child;

  FindBox box{pi.dwProcessId, nullptr};
  ASSERT_TRUE(wait_until([&] {
    box.found = nullptr;
    EnumWindows(find_box, reinterpret_cast<LPARAM>(&box));
    return box.found != nullptr;
  })) << "no message box appeared";

  EXPECT_EQ(window_text(box.found), HEAP_OUT_OF_MEMORY_TITLE);
  EXPECT_EQ(window_text(GetDlgItem(box.found, 0xFFFF)), HEAP_OUT_OF_MEMORY_TEXT);
  PostMessageA(box.found, WM_COMMAND, IDOK, 0);

  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, HEAP_EXIT_OUT_OF_MEMORY);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
