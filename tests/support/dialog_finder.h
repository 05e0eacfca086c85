// Finding and working the system's dialogs (#32770) of one GUI thread, of
// this process or of another one, as a person would: read them, fill their
// fields, press their buttons. Presses are posted, so a press that opens a
// further modal box never blocks the caller.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DialogFinder {
public:
  explicit DialogFinder(DWORD thread) : thread_(thread) {}

  // A shown, active dialog of the thread with the title (any title when
  // null), other than except; null when there is none.
  HWND find(const char* title, HWND except = nullptr) const {
    for (HWND d : dialogs())
      if (d != except && IsWindowVisible(d) && GetForegroundWindow() == d && (!title || text_of(d) == title))
        return d;
    return nullptr;
  }

  // Every dialog window of the thread, shown or not.
  std::vector<HWND> dialogs() const {
    std::vector<HWND> all;
    struct Visit {
      static BOOL CALLBACK top(HWND window, LPARAM data) {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      }
    };
    EnumThreadWindows(thread_, Visit::top, reinterpret_cast<LPARAM>(&all));
    return all;
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

  // A window's text; WM_GETTEXT also reads controls of other processes.
  static std::string text_of(HWND window) {
    char buffer[4096] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &copied);
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
        if (lstrcmpiA(name, s->class_name) == 0 && IsWindowVisible(window)) s->found.push_back(window);
        return TRUE;
      }
    };
    EnumChildWindows(dialog, Visit::child, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // Polls a condition until it holds or the time is up.
  template <typename Cond> static bool poll(Cond cond, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    while (!cond()) {
      if (GetTickCount() - start >= timeout_ms) return false;
      Sleep(10); // polling interval of the condition, not a guess at timing
    }
    return true;
  }

  // Closes whatever dialogs the thread has left, so that it gets out of its
  // modal loops.
  void dismiss_all() const {
    for (int round = 0; round < 20; ++round) {
      std::vector<HWND> left = dialogs();
      if (left.empty()) return;
      for (HWND d : left) {
        PostMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        PostMessageA(d, WM_CLOSE, 0, 0);
      }
      poll([&] { return dialogs().size() < left.size(); }, 500);
    }
  }

private:
  DWORD thread_;
};
