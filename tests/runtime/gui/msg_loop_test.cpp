#include <gtest/gtest.h>

#include "tests/support/event_log.h"
#include "tests/support/wait.h"

namespace {
class MessageLoop : public GuiTest {
protected:
  Window w{};
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&w, 60, 60, 300, 200, 0x70010, nullptr, "Loop", EventLog::handler), 1);
    // Settle the queue of everything opening the window posted.
    while (msg_wait(1), GetQueueStatus(QS_ALLINPUT) != 0) {
    }
    log.clear();
  }
  void TearDown() override {
    win_close(&w);
    GuiTest::TearDown();
  }
};

DWORD WINAPI post_later(LPVOID param) {
  HWND target = static_cast<HWND>(param);
  Sleep(200); // the other side of the wait: nothing is queued before this
  PostMessageA(target, WM_USER + 1, 1, 0);
  PostMessageA(target, WM_USER + 2, 2, 0);
  return 0;
}

void press_ctrl(WORD key) {
  INPUT in[4] = {};
  for (INPUT& i : in) i.type = INPUT_KEYBOARD;
  in[0].ki.wVk = VK_CONTROL;
  in[1].ki.wVk = key;
  in[2].ki.wVk = key;
  in[2].ki.dwFlags = KEYEVENTF_KEYUP;
  in[3].ki.wVk = VK_CONTROL;
  in[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, in, sizeof(INPUT));
}
} // namespace

TEST_F(MessageLoop, NoWaitReturnsAtOnceOnAnEmptyQueue) {
  DWORD start = GetTickCount();
  EXPECT_EQ(msg_wait(1), 0);
  EXPECT_LT(GetTickCount() - start, 100u);
}

TEST_F(MessageLoop, WaitSleepsUntilAMessageComesThenDrainsTheQueue) {
  HANDLE thread = CreateThread(nullptr, 0, post_later, w.handle, 0, nullptr);
  // Both messages are posted back to back; one msg_wait handles both.
  while (log.count(WM_USER + 2) == 0) msg_wait(0);
  EXPECT_EQ(log.count(WM_USER + 1), 1);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
}

TEST_F(MessageLoop, PostedMessagesAreAllHandledByOneCall) {
  for (int i = 0; i < 5; ++i) PostMessageA(w.handle, WM_USER + 10, i, 0);
  msg_wait(0);
  EXPECT_EQ(log.count(WM_USER + 10), 5);
}

TEST_F(MessageLoop, CtrlLetterAcceleratorsDeliverMenuEventsWithTheEntryId) {
  const struct {
    WORD key;
    uint16_t id;
  } entries[] = {{'T', 16}, {'E', 17}, {'R', 18}, {'K', 19}};
  for (const auto& e : entries) accel_add(&w, FVIRTKEY | FCONTROL, e.key, e.id);

  HACCEL table = static_cast<HACCEL>(GetPropA(w.handle, ACCEL_PROPERTY));
  ASSERT_NE(table, nullptr);
  ACCEL copy[8];
  ASSERT_EQ(CopyAcceleratorTableA(table, copy, 8), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(copy[i].key, entries[i].key);
    EXPECT_EQ(copy[i].cmd, entries[i].id);
    EXPECT_EQ(copy[i].fVirt & (FVIRTKEY | FCONTROL), FVIRTKEY | FCONTROL);
  }

  SetForegroundWindow(w.handle);
  SetFocus(w.handle);
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return GetForegroundWindow() == w.handle; }, 5000));
  for (const auto& e : entries) {
    log.clear();
    press_ctrl(e.key);
    ASSERT_TRUE(wait_until([&] { msg_wait(1); return log.count(EV_MENU) > 0; }, 5000)) << char(e.key);
    EXPECT_EQ(log.last(EV_MENU)->menu_id, e.id);
    // The keystroke became the command and nothing else: no key or character
    // event for the letter follows.
    ASSERT_TRUE(wait_until([&] { msg_wait(1); return log.count(WM_KEYUP) > 0 && GetQueueStatus(QS_ALLINPUT) == 0; }, 5000));
    for (const EventSnap& ev : log.events) {
      EXPECT_FALSE(ev.code == WM_KEYDOWN && ev.wparam == e.key) << char(e.key);
      EXPECT_NE(ev.code, WM_CHAR) << char(e.key);
    }
  }
  // A later entry for a key already there has no effect.
  accel_add(&w, FVIRTKEY | FCONTROL, 'T', 99);
  log.clear();
  press_ctrl('T');
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return log.count(EV_MENU) > 0; }, 5000));
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 16);
}

TEST_F(MessageLoop, TimerTicksArriveAsTimerEvents) {
  timer_start(&w, 20, 1, nullptr);
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return log.count(WM_TIMER) >= 2; }, 5000));
  EXPECT_EQ(log.last(WM_TIMER)->wparam, 1u);
  KillTimer(w.handle, 1);
}

TEST_F(MessageLoop, MessagesOfControlsFindTheirWindowsRecord) {
  // A key typed into an edit field of a window with accelerators: the
  // accelerator is found through the control's parent window.
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, w.handle,
                              reinterpret_cast<HMENU>(1), nullptr, nullptr);
  accel_add(&w, FVIRTKEY | FCONTROL, 'T', 16);
  SetForegroundWindow(w.handle);
  SetFocus(edit);
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return GetFocus() == edit; }, 5000));
  press_ctrl('T');
  ASSERT_TRUE(wait_until([&] { msg_wait(1); return log.count(EV_MENU) > 0; }, 5000));
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 16);
}
