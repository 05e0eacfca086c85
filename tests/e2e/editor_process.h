// The built tolvane.exe run as a process of its own and worked as a person
// would: menu picks, real keystrokes, typing, answers to requesters and boxes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/input.h"
#include "tests/support/screen.h"
#include "tests/support/temp_folder.h"
#include "tests/support/windows_path.h"

// The editor as a person sees it: a gutter 30 pixels wide, light cyan text on dark blue.
constexpr int GUTTER = 30;
constexpr COLORREF EDITOR_BACK = RGB(34, 85, 136), EDITOR_TEXT = RGB(200, 255, 255);

// The modified check's box, titled "Alert", with Yes, No and Cancel.
constexpr const char* MODIFIED_QUESTION = "Data has been modified.\r\n\r\nDo you want to save the changes?";

inline std::string tolvane_exe_path() { return windows_path(TOLVANE_EXE); }

// The editors a test starts keep their recovery files in a local application
// data folder of that test's own, made when the test starts and removed when it
// ends, so that what one test leaves unsaved is never offered in another.
class PrivateAppData : public ::testing::EmptyTestEventListener {
public:
  std::string recovery() const { return folder_->in("Tolvane"); }

private:
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::make_unique<TempFolder>("tlv-appdata");
    SetEnvironmentVariableA("LOCALAPPDATA", folder_->path().c_str());
  }
  void OnTestEnd(const ::testing::TestInfo&) override { folder_.reset(); }
  std::unique_ptr<TempFolder> folder_;
};
inline PrivateAppData& private_app_data() {
  static PrivateAppData* data = [] {
    auto* made = new PrivateAppData;
    ::testing::UnitTest::GetInstance()->listeners().Append(made); // GoogleTest owns it
    return made;
  }();
  return *data;
}
inline const bool app_data_is_private = (private_app_data(), true);

// The shown top-level windows of a thread with this class.
inline std::vector<HWND> shown_windows(DWORD thread, const char* class_name) {
  std::vector<HWND> found;
  for (HWND w : thread_windows(thread, class_name))
    if (IsWindowVisible(w)) found.push_back(w);
  return found;
}

// A text with its line feeds made into the field's line breaks.
inline std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// The application manifest a program file carries (resource 1 of type
// RT_MANIFEST); empty when it has none.
inline std::string manifest_of(const std::string& exe) {
  std::string manifest;
  HMODULE file = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!file) return manifest;
  if (HRSRC found = FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)))
    if (HGLOBAL loaded = LoadResource(file, found))
      manifest.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(file, found));
  FreeLibrary(file);
  return manifest;
}

class EditorProcess {
public:
  // Starts exe in folder with the arguments given and waits for its first
  // runtime window (editor or player).
  explicit EditorProcess(const std::string& folder, const std::string& exe = tolvane_exe_path(),
                         const std::string& arguments = "")
      : dialogs(0) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    if (!CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &info_))
      return;
    WaitForInputIdle(info_.hProcess, 10000);
    dialogs = Dialogs(info_.dwThreadId);
    window_ = wait_window("CorvatineWndClass");
  }
  // Takes over an editor that another program started (the shell, say),
  // once its first runtime window shows.
  explicit EditorProcess(HANDLE process) : dialogs(0) {
    info_.hProcess = process;
    WaitForInputIdle(process, 10000);
    DWORD id = GetProcessId(process);
    wait_until([&] {
      for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "CorvatineWndClass", nullptr)) != nullptr;) {
        DWORD owner = 0, thread = GetWindowThreadProcessId(w, &owner);
        if (owner == id && IsWindowVisible(w)) {
          window_ = w;
          info_.dwThreadId = thread;
          return true;
        }
      }
      return false;
    });
    dialogs = Dialogs(info_.dwThreadId);
  }
  // A requester or box the test meant to answer and did not find fails the test here.
  ~EditorProcess() {
    if (!dialogs.ok()) ADD_FAILURE() << "a dialog was not answered: " << dialogs.failure();
    if (!info_.hProcess) return;
    if (running()) {
      dialogs.dismiss_all();
      TerminateProcess(info_.hProcess, 99);
    }
    WaitForSingleObject(info_.hProcess, 10000);
    if (info_.hThread) CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  EditorProcess(const EditorProcess&) = delete;
  EditorProcess& operator=(const EditorProcess&) = delete;

  HWND window() const { return window_; }
  HANDLE process() const { return info_.hProcess; }
  HWND field() const { return GetDlgItem(window_, 1); }
  DWORD thread() const { return info_.dwThreadId; }
  // The program's requesters and boxes, answered as a person would.
  Dialogs dialogs;

  bool running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  // Ends the process at once, as a crash or the task manager would.
  void kill() const {
    TerminateProcess(info_.hProcess, 9);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  // The exit code, or -1 when the process did not end in time.
  long exit_code(DWORD timeout_ms = 10000) const {
    if (WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
  }

  // Posted: for commands that open a requester or a box.
  void menu(int id) const { PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void menu_now(int id) const { send_to(window_, WM_COMMAND, MAKEWPARAM(id, 0)); }
  // Returns once the editor has handled what was sent before.
  void sync() const { send_to(window_, WM_NULL); }

  std::string field_text() const {
    std::string text(send_to(field(), WM_GETTEXTLENGTH) + 1, '\0');
    text.resize(send_to(field(), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    return text;
  }
  void set_field_text(const std::string& text) const { type_into(field(), text); }
  // The field's modified flag, read and set as the editor's own commands do.
  bool modified() const { return send_to(field(), EM_GETMODIFY) != 0; }
  void set_modified(bool flag) const { send_to(field(), EM_SETMODIFY, flag); }
  bool field_becomes(const std::string& text) const {
    return wait_until([&] { return field_text() == text; });
  }

  // Real keystrokes into the focused field of the foreground editor ("\n" presses Enter);
  // false unless the field then holds text.
  bool type_text(const std::string& text) const { return type_keys_text(text) && field_becomes(crlf(text)); }
  // The same keystrokes, wherever the caret is; false when the field had no focus.
  bool type_keys_text(const std::string& text) const {
    if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
    bool ready = wait_until(
        [this] {
          GUITHREADINFO gui = {};
          gui.cbSize = sizeof gui;
          return GetForegroundWindow() == window_ && GetGUIThreadInfo(info_.dwThreadId, &gui) &&
                 gui.hwndFocus == field();
        },
        5000);
    sync();
    if (!ready) return false;
    for (char c : text) {
      INPUT k[2] = {};
      k[0].type = k[1].type = INPUT_KEYBOARD;
      if (c == '\n') {
        k[0].ki.wVk = k[1].ki.wVk = VK_RETURN;
      } else {
        k[0].ki.wScan = k[1].ki.wScan = static_cast<unsigned char>(c);
        k[0].ki.dwFlags = k[1].ki.dwFlags = KEYEVENTF_UNICODE;
      }
      k[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      SendInput(2, k, sizeof(INPUT));
    }
    sync();
    return true;
  }

  // The run windows over the editor's client area (one at most, while a page runs).
  std::vector<HWND> run_windows() const {
    std::vector<HWND> out;
    for (HWND c = nullptr; (c = FindWindowExA(window_, c, "CorvatineWndClass", nullptr)) != nullptr;)
      out.push_back(c);
    return out;
  }

  // Keys pressed (with Control held, when ctrl) on the editor brought to the front.
  bool press_keys(std::initializer_list<WORD> keys, bool ctrl = false) const {
    SetForegroundWindow(window_);
    if (!wait_until([&] { return GetForegroundWindow() == window_; }, 5000)) return false;
    type_keys(keys, ctrl);
    sync();
    return true;
  }

  HWND wait_window(const char* class_name) const {
    std::vector<HWND> all;
    wait_until([&] { return !(all = shown_windows(info_.dwThreadId, class_name)).empty(); });
    return all.empty() ? nullptr : all[0];
  }
  // A menu pick whose requester gets the name (Cancel when it is empty), once the command has done its
  // work; false unless the requester came and went.
  bool pick_file(int id, const char* title, const std::string& name) {
    menu(id);
    bool answered = dialogs.answer_requester(title, name);
    sync();
    return answered;
  }
  // Search from the view's top with Find Next: the box's text, or "" when the dialog closed without one.
  std::string search(const char* wanted) {
    menu(MENU_SEARCH);
    HWND dialog = wait_window("CorvatineDlgClass");
    if (!dialog || text_of(dialog) != "Search") return "(no Search dialog)";
    type_into(GetDlgItem(dialog, 2), wanted);
    press(dialog, 1);
    std::string box;
    wait_until([&] { return !IsWindow(dialog) || dialogs.find("Alert"); });
    if (IsWindow(dialog)) box = dialogs.answer_box("Alert");
    dialogs.wait_gone(dialog);
    return box;
  }
  // A menu pick's box: its text once OK is pressed.
  std::string box_of(int id, const char* title) {
    menu(id);
    return dialogs.answer_box(title);
  }

private:
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
