// Shared by the window and control tests: window flags, child controls by id, a window's class, and a
// fixture with one window whose events the log records.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/gui/gui.h"
#include "tests/support/event_log.h"
#include "tests/support/screen.h"
#include "tests/support/thread_windows.h"

// No caption, and a 1:1 backing bitmap one pixel larger than the window, or none.
constexpr uint32_t kBacking = WIN_NO_CAPTION | WIN_BACKING_WINDOW_SIZE;
constexpr uint32_t kNoBacking = WIN_NO_CAPTION | WIN_NO_BACKING;

inline HWND make_child(HWND parent, const char* class_name, int id, DWORD style = WS_VISIBLE) {
  return CreateWindowExA(0, class_name, "", WS_CHILD | style, 0, 0, 100, 20, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

inline bool deleted(HGDIOBJ object) { return GetObjectType(object) == 0; }

// One window of the editor's kind, with a vertical scroll bar; what opening it posted is handled before the test.
class OneWindow : public GuiTest {
protected:
  Window w{};
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&w, 50, 50, 300, 200, 0x70010 | WS_VSCROLL, nullptr, "Events", EventLog::handler), 1);
    while (msg_wait(1), GetQueueStatus(QS_ALLINPUT) != 0) {
    }
    log.clear();
  }
  void TearDown() override {
    win_close(&w);
    GuiTest::TearDown();
  }
};
