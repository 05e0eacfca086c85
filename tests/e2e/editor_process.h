// The built tolvane.exe run as a process of its own and worked from this
// one as a person would: menu picks, real keystrokes, typing, and answers
// to its requesters and boxes. Its window is found by its class and title.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/dialog_finder.h"
#include "tests/support/system_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/windows_path.h"

// The program's path as the build gave it, in the form this system opens.
inline std::string tolvane_exe_path() { return windows_path(TOLVANE_EXE); }

class EditorProcess {
public:
  // Starts the editor with folder as its current folder and waits for its
  // window; check window() afterwards.
  explicit EditorProcess(const std::string& folder) {
    std::string exe = tolvane_exe_path();
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &info_))
      return;
    WaitForInputIdle(info_.hProcess, 10000);
    DialogFinder::poll([this] { return (window_ = find_window()) != nullptr; }, 10000);
  }
  ~EditorProcess() {
    if (!info_.hProcess) return;
    if (running()) {
      DialogFinder(info_.dwThreadId).dismiss_all();
      TerminateProcess(info_.hProcess, 99);
    }
    WaitForSingleObject(info_.hProcess, 10000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  HWND window() const { return window_; }
  HWND field() const { return GetDlgItem(window_, 1); }
  DWORD thread() const { return info_.dwThreadId; }
  DialogFinder dialogs() const { return DialogFinder(info_.dwThreadId); }

  bool running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  // Waits for the process to end; its exit code, or -1 on timeout.
  long exit_code(DWORD timeout_ms = 10000) const {
    if (WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

  // A menu pick, posted as the menu bar would send it: for commands that
  // open a requester or a box, which the test then answers.
  void menu(int id) const { PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // A menu pick that returns when the command is done: for commands that
  // open nothing modal.
  void menu_now(int id) const {
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, 10000, &unused);
  }

  // Waits until the editor has handled the messages sent to it before
  // (posted ones may still wait in its queue).
  void sync() const {
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &unused);
  }
  // Waits until the field holds text; false on timeout.
  bool field_becomes(const std::string& text) const {
    return DialogFinder::poll([&] { return field_text() == text; }, 5000);
  }

  // The editing field's whole text.
  std::string field_text() const {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(field(), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(field(), WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
  }
  void set_field_text(const std::string& text) const { DialogFinder::type_into(field(), text); }

  // Makes the editor the foreground window with its field focused, ready
  // for keystrokes; false when it did not become so.
  bool focus_field() const {
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    bool ready = DialogFinder::poll(
        [this] {
          GUITHREADINFO gui = {};
          gui.cbSize = sizeof gui;
          return GetForegroundWindow() == window_ && GetGUIThreadInfo(info_.dwThreadId, &gui) &&
                 gui.hwndFocus == field();
        },
        5000);
    sync();
    return ready;
  }

  // Types text with real keystrokes ("\n" presses Enter).
  static void type_keys(const std::string& text) {
    for (char c : text) {
      INPUT k[2] = {};
      k[0].type = k[1].type = INPUT_KEYBOARD;
      if (c == '\n') {
        k[0].ki.wVk = k[1].ki.wVk = VK_RETURN;
      } else {
        k[0].ki.wScan = k[1].ki.wScan = static_cast<unsigned char>(c);
        k[0].ki.dwFlags = KEYEVENTF_UNICODE;
        k[1].ki.dwFlags = KEYEVENTF_UNICODE;
      }
      k[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      SendInput(2, k, sizeof(INPUT));
    }
  }
  // Ctrl and a letter key.
  static void ctrl_key(char letter) {
    INPUT k[4] = {};
    for (INPUT& i : k) i.type = INPUT_KEYBOARD;
    k[0].ki.wVk = VK_CONTROL;
    k[1].ki.wVk = static_cast<WORD>(letter);
    k[2].ki.wVk = static_cast<WORD>(letter);
    k[2].ki.dwFlags = KEYEVENTF_KEYUP;
    k[3].ki.wVk = VK_CONTROL;
    k[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, k, sizeof(INPUT));
  }

  // The editor's dialog titled title once it is up; null on timeout.
  HWND wait_dialog(const std::string& title, DWORD timeout_ms = 10000) const {
    HWND found = nullptr;
    DialogFinder finder = dialogs();
    DialogFinder::poll([&] { return (found = finder.find(title.c_str())) != nullptr; }, timeout_ms);
    return found;
  }
  // A shown top-level window of the editor with this class and title
  // (the runtime's own dialogs are "CorvatineDlgClass"); null on timeout.
  HWND wait_window(const char* class_name, const std::string& title) const {
    struct Search {
      const char* class_name;
      const std::string* title;
      HWND found;
    } search{class_name, &title, nullptr};
    struct Visit {
      static BOOL CALLBACK top(HWND w, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        char cls[64] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpA(cls, s->class_name) == 0 && IsWindowVisible(w) && DialogFinder::text_of(w) == *s->title) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      }
    };
    DialogFinder::poll(
        [&] {
          EnumThreadWindows(info_.dwThreadId, Visit::top, reinterpret_cast<LPARAM>(&search));
          return search.found != nullptr;
        },
        10000);
    return search.found;
  }
  static bool wait_gone(HWND dialog) {
    return DialogFinder::poll([&] { return !IsWindow(dialog); }, 10000);
  }

  // Answers a requester: the name typed and OK pressed (Cancel when name is
  // empty). False when it did not appear or close.
  bool answer_requester(const char* title, const std::string& name) const {
    HWND dialog = wait_dialog(title);
    if (!dialog) return false;
    if (!name.empty()) DialogFinder::type_into(requester_name_field(dialog), name);
    DialogFinder::press(dialog, name.empty() ? IDCANCEL : IDOK);
    return wait_gone(dialog);
  }
  // Answers a box titled title with button; its text, or "(no box)".
  std::string answer_box(const char* title, int button = IDOK) const {
    HWND box = wait_dialog(title);
    if (!box) return "(no box)";
    std::string text = box_text(box);
    DialogFinder::press(box, button);
    wait_gone(box);
    return text;
  }
  // The text of the box that a menu pick shows, answered with OK.
  std::string box_of(int id, const char* title) const {
    menu(id);
    return answer_box(title);
  }

private:
  HWND find_window() const {
    struct Search {
      HWND found = nullptr;
    } search;
    struct Visit {
      static BOOL CALLBACK top(HWND w, LPARAM data) {
        char cls[64] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpA(cls, "CorvatineWndClass") == 0 && DialogFinder::text_of(w) == "Tolvane" && IsWindowVisible(w)) {
          reinterpret_cast<Search*>(data)->found = w;
          return FALSE;
        }
        return TRUE;
      }
    };
    EnumThreadWindows(info_.dwThreadId, Visit::top, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
};

// A test with a fresh folder and a running editor in it.
class EditorE2E : public ::testing::Test {
protected:
  TempFolder folder{"tolvane-e2e"};
  std::unique_ptr<EditorProcess> editor;

  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    editor = std::make_unique<EditorProcess>(folder.path());
    ASSERT_NE(editor->window(), nullptr) << "no editor window from " << tolvane_exe_path();
  }
  void TearDown() override { editor.reset(); }
};
