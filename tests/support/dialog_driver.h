// Answers the system's modal dialogs the way a person would, from a second
// thread: it waits for a dialog of the test thread to appear, reads it and
// presses its buttons while the test thread sits in the dialog's modal loop.
//
// The script runs on the driver thread, so it must not use GoogleTest
// assertions; it records what it saw in variables that the test checks after
// the driver has finished (the destructor, or finish(), joins the thread).
// Buttons are pressed with posted messages, so a press that opens a further
// modal box never blocks the driver.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

class DialogDriver {
public:
  using Script = std::function<void(DialogDriver&)>;

  explicit DialogDriver(Script script) : owner_thread_(GetCurrentThreadId()) {
    thread_ = std::thread([this, script] {
      script(*this);
      if (!ok_)
        dismiss_all();
    });
  }
  ~DialogDriver() { finish(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Waits for the script to end. False when some wait of it timed out.
  bool finish() {
    if (thread_.joinable())
      thread_.join();
    return ok_;
  }
  const std::string& failure() const { return failure_; }

  // The top-level dialog (#32770) of the test thread with the given title,
  // once it is shown and active (laid out and placed, ready for input);
  // null (and the driver failed) on timeout.
  HWND wait_for(const std::string& title, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    if (!poll([&] { return (found = find(title.c_str(), nullptr)) != nullptr; }, timeout_ms))
      fail("no dialog titled \"" + title + "\" appeared");
    return found;
  }

  // The same for a dialog other than the one given, whatever its title: the
  // box that a dialog opens over itself.
  HWND wait_for_other(HWND except, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    if (!poll([&] { return (found = find(nullptr, except)) != nullptr; }, timeout_ms))
      fail("no second dialog appeared");
    return found;
  }

  // Types a text into a control, as a person would fill the field.
  static void type_into(HWND control, const std::string& text) {
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                        5000, &unused);
  }

  // Waits until the dialog is gone; false (and the driver failed) on timeout.
  bool wait_gone(HWND dialog, DWORD timeout_ms = 10000) {
    if (poll([&] { return !IsWindow(dialog); }, timeout_ms))
      return true;
    fail("a dialog did not close");
    return false;
  }

  // Presses the dialog's button with that id as a click would.
  static void press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }

  static std::string text_of(HWND window) {
    char buffer[1024] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return buffer;
  }

  // The visible child windows of the dialog with the given class.
  static std::vector<HWND> visible_children(HWND dialog, const char* class_name) {
    struct Search {
      const char* class_name;
      std::vector<HWND> found;
    } search{class_name, {}};
    struct Visit {
      static BOOL CALLBACK child(HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, s->class_name) == 0 && IsWindowVisible(window))
          s->found.push_back(window);
        return TRUE;
      }
    };
    EnumChildWindows(dialog, Visit::child, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // Waits for a condition that the test thread makes true; false (and the
  // driver failed) on timeout.
  template <typename Cond> bool wait(Cond cond, const char* what, DWORD timeout_ms = 10000) {
    if (poll(cond, timeout_ms))
      return true;
    fail(what);
    return false;
  }

  void fail(const std::string& why) {
    if (ok_)
      failure_ = why;
    ok_ = false;
  }

private:
  template <typename Cond> static bool poll(Cond cond, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    while (!cond()) {
      if (GetTickCount() - start >= timeout_ms)
        return false;
      Sleep(10); // polling interval of the condition, not a guess at timing
    }
    return true;
  }

  std::vector<HWND> dialogs() const {
    std::vector<HWND> all;
    struct Visit {
      static BOOL CALLBACK top(HWND window, LPARAM data) {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0)
          reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      }
    };
    EnumThreadWindows(owner_thread_, Visit::top, reinterpret_cast<LPARAM>(&all));
    return all;
  }

  // A shown, active dialog with the title (any title when null), not except.
  HWND find(const char* title, HWND except) const {
    for (HWND d : dialogs())
      if (d != except && IsWindowVisible(d) && GetForegroundWindow() == d && (!title || text_of(d) == title))
        return d;
    return nullptr;
  }

  // After a failure: close whatever dialogs are left so that the test thread
  // gets out of its modal loop and can report.
  void dismiss_all() {
    for (int round = 0; round < 20; ++round) {
      std::vector<HWND> left = dialogs();
      if (left.empty())
        return;
      for (HWND d : left) {
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostMessageA(d, WM_CLOSE, 0, 0);
      }
      poll([&] { return dialogs().size() < left.size(); }, 500);
    }
  }

  DWORD owner_thread_;
  bool ok_ = true;
  std::string failure_;
  std::thread thread_;
};
