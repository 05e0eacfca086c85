#include <gtest/gtest.h>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/input.h"
#include "tests/support/wait.h"

namespace {
// Ctrl+key with real input, and the menu event it gave; 0 when none came.
int32_t press_ctrl(WORD key) {
  EventLog& log = EventLog::get();
  log.events.clear();
  type_keys({key}, true);
  wait_until([&] { msg_wait(1); return log.count(EV_MENU) > 0; }, 5000);
  return log.last(EV_MENU) ? log.last(EV_MENU)->menu_id : 0;
}
} // namespace

using MessageLoop = OneWindow;

TEST_F(MessageLoop, NoWaitDrainsTheQueueAndWaitSleepsUntilAMessageComes) {
  for (int i = 0; i < 5; ++i) PostMessageA(w.handle, WM_USER + 10, i, 0);
  EXPECT_EQ(msg_wait(1), 0);
  EXPECT_EQ(log.count(WM_USER + 10), 5) << "one call handles all that is queued";
  // Each waiting call sleeps until a message comes: one that did not wait would spin thousands of
  // times before the timer's second tick.
  timer_start(&w, 100, 1, nullptr);
  int calls = 0;
  DWORD start = GetTickCount();
  while (log.count(WM_TIMER) < 2 && GetTickCount() - start < 5000) msg_wait(0), ++calls;
  KillTimer(w.handle, 1);
  ASSERT_EQ(log.count(WM_TIMER), 2);
  EXPECT_LT(calls, 20) << "msg_wait(0) returned without waiting";
  EXPECT_EQ(log.last(WM_TIMER)->wparam, 1u);
}

TEST_F(MessageLoop, CtrlLetterAcceleratorsDeliverMenuEventsWithTheEntryIdAndNothingElse) {
  const struct { WORD key; uint16_t id; } entries[] = {{'T', 16}, {'E', 17}};
  for (const auto& e : entries) accel_add(&w, FVIRTKEY | FCONTROL, e.key, e.id);
  SetForegroundWindow(w.handle);
  SetFocus(w.handle);
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return GetForegroundWindow() == w.handle; }, 5000));
  for (const auto& e : entries) {
    EXPECT_EQ(press_ctrl(e.key), e.id) << char(e.key);
    // The keystroke became the command: no key or character event for the letter follows.
    auto settled = [&] { msg_wait(1); return log.count(WM_KEYUP) > 0 && GetQueueStatus(QS_ALLINPUT) == 0; };
    ASSERT_TRUE(wait_until(settled, 5000));
    for (const EventSnap& ev : log.events) {
      EXPECT_FALSE(ev.code == WM_KEYDOWN && ev.wparam == e.key) << char(e.key);
      EXPECT_NE(ev.code, WM_CHAR) << char(e.key);
    }
  }
  accel_add(&w, FVIRTKEY | FCONTROL, 'T', 99);
  EXPECT_EQ(press_ctrl('T'), 16) << "a later entry for a key already there has no effect";
  // (Keys typed into an edit field reach its parent's accelerators: the editor's Ctrl+S and Ctrl+T, end to end.)
}
