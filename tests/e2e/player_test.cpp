// Player mode: a copy of the program with an app.dat beside it runs that
// page in a window of its own and ends when the window closes; an app.dat
// it cannot read leaves the editor to start.
#include "tests/e2e/editor_process.h"

namespace {

// A copy of tolvane.exe in a folder of its own, started there.
class Program {
public:
  explicit Program(const std::string& exe) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    if (CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &info_))
      WaitForInputIdle(info_.hProcess, 10000);
  }
  ~Program() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      DialogFinder(info_.dwThreadId).dismiss_all();
      TerminateProcess(info_.hProcess, 99);
    }
    WaitForSingleObject(info_.hProcess, 10000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  DWORD thread() const { return info_.dwThreadId; }
  long exit_code(DWORD timeout_ms) const {
    if (WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }
  // The shown runtime windows at the top level of the program.
  std::vector<HWND> windows() const {
    std::vector<HWND> found;
    struct Visit {
      static BOOL CALLBACK top(HWND w, LPARAM data) {
        char cls[64] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpA(cls, "CorvatineWndClass") == 0 && IsWindowVisible(w))
          reinterpret_cast<std::vector<HWND>*>(data)->push_back(w);
        return TRUE;
      }
    };
    EnumThreadWindows(info_.dwThreadId, Visit::top, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  HWND wait_window() const {
    HWND w = nullptr;
    DialogFinder::poll(
        [&] {
          std::vector<HWND> all = windows();
          w = all.empty() ? nullptr : all[0];
          return w != nullptr;
        },
        10000);
    return w;
  }

private:
  PROCESS_INFORMATION info_ = {};
};

class Player : public ::testing::Test {
protected:
  TempFolder folder{"tolvane-player"};
  std::string exe;
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    exe = folder.in("tolvane.exe");
    ASSERT_TRUE(CopyFileA(tolvane_exe_path().c_str(), exe.c_str(), FALSE));
  }
};

TEST_F(Player, AppDatRunsInAWindowTitledByItsFirstLineAndTheEditorNeverAppears) {
  folder.write("app.dat", "<!-- My Page -->\r\n<html><body><p>Played</p></body></html>\r\n");
  Program program(exe);
  ASSERT_TRUE(program.started());
  HWND window = program.wait_window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(DialogFinder::text_of(window), "My Page");
  EXPECT_EQ(program.windows().size(), 1u) << "one window: no editor beside it";
  EXPECT_EQ(GetDlgItem(window, 1), nullptr) << "no editing field";
  EXPECT_EQ(GetMenu(window), nullptr) << "no menu bar";
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 480);
  EXPECT_NE(GetWindow(window, GW_CHILD), nullptr) << "the browser control's window";
  EXPECT_TRUE(DialogFinder(program.thread()).dialogs().empty());

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.exit_code(5000), 0) << "closing ends the process at once, without a question";
}

TEST_F(Player, ShortFirstLineGivesAnEmptyTitle) {
  folder.write("app.dat", "<html>\r\n<p>x</p>\r\n");
  Program program(exe);
  HWND window = program.wait_window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(DialogFinder::text_of(window), "");
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.exit_code(5000), 0);
}

TEST_F(Player, UnreadableAppDatLeavesTheEditorToStartWithoutAMessage) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("app.dat").c_str(), nullptr)) << "a folder cannot be read as a page";
  Program program(exe);
  HWND window = program.wait_window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(DialogFinder::text_of(window), "Tolvane");
  EXPECT_NE(GetDlgItem(window, 1), nullptr) << "the editing field";
  EXPECT_TRUE(DialogFinder(program.thread()).dialogs().empty()) << "no message";
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.exit_code(5000), 0);
}

} // namespace
