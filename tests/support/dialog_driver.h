// Answers the system's modal dialogs as a person would, from a second thread: it waits for a dialog of
// the test thread, reads it and presses its buttons while the test thread sits in the modal loop.
// The script must not use GoogleTest assertions: it notes what it saw in variables that the test checks
// after finish() (or the destructor) has joined the thread. Presses are posted, so a press that opens
// a further modal box never blocks the driver.
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
      if (!ok_) dismiss_all();
    });
  }
  ~DialogDriver() { finish(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Waits for the script to end. False when some wait of it timed out.
  bool finish() {
    if (thread_.joinable()) thread_.join();
    return ok_;
  }
  const std::string& failure() const { return failure_; }

  // The shown, active top-level dialog (#32770) of the test thread with the given title; null (and the
  // driver failed) on timeout.
  HWND wait_for(const std::string& title, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    wait([&] { return (found = find(title.c_str(), nullptr)) != nullptr; }, ("no dialog titled " + title).c_str(),
         timeout_ms);
    return found;
  }
  // The same for a dialog other than the one given, whatever its title: the box a dialog opens over itself.
  HWND wait_for_other(HWND except, DWORD timeout_ms = 10000) {
    HWND found = nullptr;
    wait([&] { return (found = find(nullptr, except)) != nullptr; }, "no second dialog appeared", timeout_ms);
    return found;
  }
  bool wait_gone(HWND dialog, DWORD timeout_ms = 10000) {
    return wait([&] { return !IsWindow(dialog); }, "a dialog did not close", timeout_ms);
  }
  // Waits for a condition that the test thread makes true; false (and the driver failed) on timeout.
  template <typename Cond> bool wait(Cond cond, const char* what, DWORD timeout_ms = 10000) {
    for (DWORD start = GetTickCount(); !cond(); Sleep(10)) // polling interval, not a guess at timing
      if (GetTickCount() - start >= timeout_ms) {
        fail(what);
        return false;
      }
    return true;
  }
  void fail(const std::string& why) {
    if (ok_) failure_ = why;
    ok_ = false;
  }

  // Types a text into a control, as a person would fill the field.
  static void type_into(HWND control, const std::string& text) {
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                        &unused);
  }
  // Presses the dialog's button with that id as a click would.
  static void press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
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
    Search search{class_name, {}};
    EnumChildWindows(dialog, &Search::visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

private:
  // Windows of one class (visible ones only, or any) found by an enumeration.
  struct Search {
    const char* class_name;
    std::vector<HWND> found;
    bool visible_only = true;
    static BOOL CALLBACK visit(HWND window, LPARAM data) {
      auto* s = reinterpret_cast<Search*>(data);
      char name[64] = "";
      GetClassNameA(window, name, sizeof name);
      if (lstrcmpiA(name, s->class_name) == 0 && (!s->visible_only || IsWindowVisible(window)))
        s->found.push_back(window);
      return TRUE;
    }
  };
  std::vector<HWND> dialogs() const {
    Search search{"#32770", {}, false};
    EnumThreadWindows(owner_thread_, &Search::visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  // A shown, active dialog with the title (any title when null), not except.
  HWND find(const char* title, HWND except) const {
    for (HWND d : dialogs())
      if (d != except && IsWindowVisible(d) && GetForegroundWindow() == d && (!title || text_of(d) == title)) return d;
    return nullptr;
  }
  // After a failure: closes whatever dialogs are left, so that the test thread leaves its modal loop.
  void dismiss_all() {
    for (int round = 0; round < 20 && !dialogs().empty(); ++round) {
      size_t left = dialogs().size();
      for (HWND d : dialogs()) {
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostMessageA(d, WM_CLOSE, 0, 0);
      }
      for (DWORD start = GetTickCount(); dialogs().size() >= left && GetTickCount() - start < 500;) Sleep(10);
    }
  }

  DWORD owner_thread_;
  bool ok_ = true;
  std::string failure_;
  std::thread thread_;
};
