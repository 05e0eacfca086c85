// Answers a message box as a person would: while the calling thread sits in
// the box, a second thread finds it (a "#32770" window of that thread with
// the expected title), reads its text and presses its OK button.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

class MessageBoxAnswer {
public:
  // Starts watching the calling thread's windows for a box titled title.
  explicit MessageBoxAnswer(const char* title, DWORD timeout_ms = 10000)
      : owner_(GetCurrentThreadId()), title_(title), timeout_ms_(timeout_ms),
        stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), watcher_([this] { watch(); }) {}
  ~MessageBoxAnswer() { finish(); }
  MessageBoxAnswer(const MessageBoxAnswer&) = delete;
  MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

  // Stops watching; call it once the code that may show the box returned.
  void finish() {
    if (!watcher_.joinable()) return;
    SetEvent(stop_);
    watcher_.join();
    CloseHandle(stop_);
  }

  bool answered() const { return answered_; } // a box was found and OK pressed
  const std::string& text() const { return text_; }

private:
  struct Search {
    const char* title;
    HWND found;
  };

  static std::string window_text(HWND w) {
    char text[1024] = "";
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
  }

  static BOOL CALLBACK match(HWND w, LPARAM lp) {
    Search* s = reinterpret_cast<Search*>(lp);
    char cls[32] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) == "#32770" && IsWindowVisible(w) && window_text(w) == s->title) {
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
        text_ = window_text(GetDlgItem(s.found, 0xFFFF));
        SendMessageA(GetDlgItem(s.found, IDOK), BM_CLICK, 0, 0);
        answered_ = true;
        return;
      }
      if (WaitForSingleObject(stop_, 10) == WAIT_OBJECT_0) return;
    }
  }

  DWORD owner_;
  std::string title_;
  DWORD timeout_ms_;
  HANDLE stop_;
  bool answered_ = false;
  std::string text_;
  std::thread watcher_; // last: starts once everything above is set
};
