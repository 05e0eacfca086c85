// Helpers of the control tests: a parent window, what CreateWindowExA was asked for, a bitmap file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/input.h"
#include "tests/support/wait.h"
#include "tests/support/windows_path.h"

inline HANDLE prop(HWND w, const char* name) { return GetPropA(w, name); }
inline COLORREF prop_color(HWND w, const char* name) {
  return static_cast<COLORREF>(reinterpret_cast<uintptr_t>(GetPropA(w, name)));
}
inline COLORREF brush_color(HANDLE brush) {
  LOGBRUSH lb = {};
  GetObjectA(brush, sizeof lb, &lb);
  return lb.lbColor;
}
inline bool gdi_alive(HANDLE object) { return object && GetObjectType(object) != 0; }

// The path of a 5 x 3 bitmap file of pure blue that lies beside these tests.
inline std::string blue_bitmap_file() { return windows_path(CONTROLS_TEST_DIR "/blue_5x3.bmp"); }

// Records the class, style and extended style of every window CreateWindowExA makes on this thread.
class CreationSpy {
public:
  struct Creation { std::string class_name; DWORD style; DWORD ex_style; };
  CreationSpy() : hook_(SetWindowsHookExA(WH_CBT, &CreationSpy::proc, nullptr, GetCurrentThreadId())) {
    all_.clear();
  }
  ~CreationSpy() { UnhookWindowsHookEx(hook_); }
  CreationSpy(const CreationSpy&) = delete;
  CreationSpy& operator=(const CreationSpy&) = delete;
  const std::vector<Creation>& creations() const { return all_; }

private:
  static LRESULT CALLBACK proc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      all_.push_back({IS_INTRESOURCE(cs->lpszClass) ? "#atom" : cs->lpszClass, static_cast<DWORD>(cs->style),
                      cs->dwExStyle});
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline std::vector<Creation> all_;
  HHOOK hook_;
};

// A fixture with an open parent window at a fixed place (no backing store: controls paint to the screen).
class ControlTest : public GuiTest {
protected:
  Window w{};
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&w, 40, 40, 360, 260, 0x10 | 0x400, nullptr, "controls", EventLog::handler), 1);
  }
  void TearDown() override {
    win_close(&w);
    GuiTest::TearDown();
  }
  HWND child(int id) const { return GetDlgItem(w.handle, id); }
  // What the screen shows of a control once it has painted.
  static Pixels shown(HWND control) {
    UpdateWindow(control);
    return Pixels::of_window(control);
  }
};
