// Answers a system dialog as a person would: while the calling thread sits
// in the dialog, a second thread finds it (a visible "#32770" window of that
// thread with the expected title) and presses one of its buttons. A message
// box of the same title that lacks the button (a notice shown in place of
// the dialog) is answered with OK, its text kept, and the watch goes on.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

class DialogPress {
public:
  DialogPress(const char* title, int button_id, DWORD timeout_ms = 15000)
      : owner_(GetCurrentThreadId()), title_(title), button_(button_id), timeout_ms_(timeout_ms),
        stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), watcher_([this] { watch(); }) {}
  ~DialogPress() { finish(); }
  DialogPress(const DialogPress&) = delete;
  DialogPress& operator=(const DialogPress&) = delete;

  void finish() {
    if (!watcher_.joinable()) return;
    SetEvent(stop_);
    watcher_.join();
    CloseHandle(stop_);
  }
  bool pressed() const { return pressed_; }
  // The text of a notice answered with OK; read it after finish().
  const std::string& notice() const { return notice_; }

private:
  struct Search {
    const char* title;
    HWND found;
  };
  static BOOL CALLBACK match(HWND w, LPARAM lp) {
    Search* s = reinterpret_cast<Search*>(lp);
    char cls[32] = "", text[256] = "";
    GetClassNameA(w, cls, sizeof cls);
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (std::string(cls) == "#32770" && IsWindowVisible(w) && std::string(text) == s->title) {
      s->found = w;
      return FALSE;
    }
    return TRUE;
  }
  void watch() {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout_ms_) {
      Search s{title_.c_str(), nullptr};
      EnumThreadWindows(owner_, match, reinterpret_cast<LPARAM>(&s));
      if (s.found) {
        HWND button = GetDlgItem(s.found, button_);
        if (button && IsWindowEnabled(button)) {
          SendMessageA(button, BM_CLICK, 0, 0);
          pressed_ = true;
          return;
        }
        HWND ok = GetDlgItem(s.found, IDOK);
        HWND text = GetDlgItem(s.found, 0xFFFF);
        if (!button && ok && text) {
          char words[512] = "";
          SendMessageA(text, WM_GETTEXT, sizeof words, reinterpret_cast<LPARAM>(words));
          notice_ = words;
          SendMessageA(ok, BM_CLICK, 0, 0);
        }
      }
      if (WaitForSingleObject(stop_, 10) == WAIT_OBJECT_0) return;
    }
  }

  DWORD owner_;
  std::string title_;
  int button_;
  DWORD timeout_ms_;
  HANDLE stop_;
  std::atomic<bool> pressed_{false};
  std::string notice_;
  std::thread watcher_; // last: starts once everything above is set
};
