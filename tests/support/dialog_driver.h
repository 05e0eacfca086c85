// Working the system's dialogs (#32770: requesters, message boxes, the print dialog) as a person
// would: find one, read it, fill its fields, press its buttons. Dialogs works those of any GUI
// thread, of this process or of another; DialogDriver answers the test thread's own from a second
// thread while the test thread sits in the dialog's modal loop.
//
// A driver's script runs on its own thread, so it must not use GoogleTest assertions; it records
// what it saw in variables that the test checks after finish(). Buttons are pressed with posted
// messages, so a press that opens a further modal box never blocks the caller.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/thread_windows.h"
#include "tests/support/wait.h"

// A message sent to a window of any thread or process, given up after 10 s so that a program that
// hangs fails the test instead of hanging it; the answer, 0 when it was given up.
inline DWORD_PTR send_to(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, 10000, &answer);
  return answer;
}
// A window's text; WM_GETTEXT also reads controls of other processes.
inline std::string text_of(HWND window) {
  char buffer[4096] = "";
  send_to(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}
// Types a text into a control, as a person would fill the field.
inline void type_into(HWND control, const std::string& text) {
  send_to(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
// Presses the dialog's button with that id as a click would.
inline void press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// The message of a message box.
inline std::string box_text(HWND box) { return text_of(GetDlgItem(box, 0xFFFF)); }
// The file-name field of an open or save requester (explorer style, or an older template).
inline HWND requester_name_field(HWND dialog) {
  HWND field = GetDlgItem(dialog, 0x47C);
  return field ? field : GetDlgItem(dialog, 0x480);
}

class Dialogs {
public:
  explicit Dialogs(DWORD thread) : gui_thread_(thread) {}

  // Every dialog window of the thread, shown or not.
  std::vector<HWND> all() const { return thread_windows(gui_thread_, "#32770"); }
  // A shown, active dialog with the title (any title when null), other than except; null when none.
  HWND find(const char* title, HWND except = nullptr) const {
    for (HWND d : all())
      if (d != except && IsWindowVisible(d) && GetForegroundWindow() == d && (!title || text_of(d) == title)) return d;
    return nullptr;
  }
  // The same once it is there (laid out and placed, ready for input); null, and failed, on timeout.
  HWND wait_for(const char* title, HWND except = nullptr, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    if (!wait_until([&] { return (found = find(title, except)) != nullptr; }, timeout_ms))
      fail(std::string("no dialog titled \"") + (title ? title : "(any)") + "\" appeared");
    return found;
  }
  // Waits for a condition; false, and failed, on timeout.
  bool wait(const std::function<bool()>& cond, const char* what, DWORD timeout_ms = 10000) {
    if (wait_until(cond, timeout_ms)) return true;
    fail(what);
    return false;
  }
  bool wait_gone(HWND dialog) { return wait([&] { return !IsWindow(dialog); }, "a dialog did not close"); }

  // A requester: name typed and OK pressed (Cancel when name is empty); false unless it came and went.
  bool answer_requester(const char* title, const std::string& name) {
    HWND dialog = wait_for(title);
    if (!dialog) return false;
    if (!name.empty()) type_into(requester_name_field(dialog), name);
    press(dialog, name.empty() ? IDCANCEL : IDOK);
    return wait_gone(dialog);
  }
  // A message box: button pressed once its text is read; the text, "(no box)" when none came.
  std::string answer_box(const char* title, int button = IDOK) {
    HWND box = wait_for(title);
    if (!box) return "(no box)";
    std::string text = box_text(box);
    press(box, button);
    wait_gone(box);
    return text;
  }
  // Picks a printer in the print dialog's printer list; false, and failed, when it is not listed.
  bool pick_printer(HWND dialog, const std::string& printer) {
    constexpr int PRINTER_COMBO = 0x473;
    HWND combo = GetDlgItem(dialog, PRINTER_COMBO);
    LPARAM name = reinterpret_cast<LPARAM>(printer.c_str());
    DWORD_PTR index = send_to(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), name);
    if (static_cast<LRESULT>(index) == CB_ERR) return fail("the print dialog does not list " + printer), false;
    send_to(combo, CB_SETCURSEL, index);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(PRINTER_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return true;
  }

  // Closes whatever dialogs the thread has left, so that it gets out of its modal loops.
  void dismiss_all() const {
    for (int round = 0; round < 20; ++round) {
      std::vector<HWND> left = all();
      if (left.empty()) return;
      for (HWND d : left) {
        press(d, IDCANCEL);
        PostMessageA(d, WM_CLOSE, 0, 0);
      }
      wait_until([&] { return all().size() < left.size(); }, 500);
    }
  }

  void fail(const std::string& why) {
    if (ok_) failure_ = why;
    ok_ = false;
  }
  bool ok() const { return ok_; }
  const std::string& failure() const { return failure_; }

private:
  DWORD gui_thread_;
  bool ok_ = true;
  std::string failure_;
};

class DialogDriver : public Dialogs {
public:
  using Script = std::function<void(DialogDriver&)>;
  explicit DialogDriver(Script script) : Dialogs(GetCurrentThreadId()) {
    driver_ = std::thread([this, script] {
      script(*this);
      if (!ok()) dismiss_all();
    });
  }
  ~DialogDriver() { finish(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Waits for the script to end; false when some wait of it failed.
  bool finish() {
    if (driver_.joinable()) driver_.join();
    return ok();
  }

private:
  std::thread driver_;
};

// Runs call on this thread while script (none: no dialog is wanted) answers from a driver what it opens.
// Once the script is done, a dialog left open is closed after timeout_ms and counted a failure, so a call
// stuck in a modal loop ends instead of hanging the test. The driver's failure; empty when there was none.
inline std::string run_answering(const std::function<void()>& call, const DialogDriver::Script& script = nullptr,
                                 DWORD timeout_ms = 10000) {
  std::atomic<bool> returned{false};
  DialogDriver driver([&](DialogDriver& d) {
    if (script) script(d);
    d.wait([&] { return returned.load() || (!script && d.find(nullptr)); }, "the call did not return", timeout_ms);
    if (!returned.load()) d.fail("a dialog was left open");
  });
  call();
  returned = true;
  driver.finish();
  return driver.failure();
}
