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

#include "tests/support/dialog_finder.h"

class DialogDriver {
public:
  using Script = std::function<void(DialogDriver&)>;

  explicit DialogDriver(Script script) : finder_(GetCurrentThreadId()) {
    thread_ = std::thread([this, script] {
      script(*this);
      if (!ok_)
        finder_.dismiss_all();
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
    if (!DialogFinder::poll([&] { return (found = finder_.find(title.c_str())) != nullptr; }, timeout_ms))
      fail("no dialog titled \"" + title + "\" appeared");
    return found;
  }

  // The same for a dialog other than the one given, whatever its title: the
  // box that a dialog opens over itself.
  HWND wait_for_other(HWND except, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    if (!DialogFinder::poll([&] { return (found = finder_.find(nullptr, except)) != nullptr; }, timeout_ms))
      fail("no second dialog appeared");
    return found;
  }

  // Types a text into a control, as a person would fill the field.
  static void type_into(HWND control, const std::string& text) { DialogFinder::type_into(control, text); }

  // Waits until the dialog is gone; false (and the driver failed) on timeout.
  bool wait_gone(HWND dialog, DWORD timeout_ms = 10000) {
    if (DialogFinder::poll([&] { return !IsWindow(dialog); }, timeout_ms))
      return true;
    fail("a dialog did not close");
    return false;
  }

  // Presses the dialog's button with that id as a click would.
  static void press(HWND dialog, int id) { DialogFinder::press(dialog, id); }

  static std::string text_of(HWND window) { return DialogFinder::text_of(window); }

  // The visible child windows of the dialog with the given class.
  static std::vector<HWND> visible_children(HWND dialog, const char* class_name) {
    return DialogFinder::visible_children(dialog, class_name);
  }

  // Waits for a condition that the test thread makes true; false (and the
  // driver failed) on timeout.
  template <typename Cond> bool wait(Cond cond, const char* what, DWORD timeout_ms = 10000) {
    if (DialogFinder::poll(cond, timeout_ms))
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
  DialogFinder finder_;
  bool ok_ = true;
  std::string failure_;
  std::thread thread_;
};
