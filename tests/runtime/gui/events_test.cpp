#include <gtest/gtest.h>

#include <vector>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/wait.h"

using Events = OneWindow;

TEST_F(Events, CloseRequestIsDeliveredAndTheWindowStays) {
  SendMessageA(w.handle, WM_SYSCOMMAND, SC_CLOSE, 0); // the close box
  EXPECT_EQ(log.count(EV_CLOSE), 1);
  EXPECT_EQ(log.count(WM_CLOSE), 0);
  EXPECT_TRUE(IsWindow(w.handle));
  log.on_event = [&] {
    if (event_code == EV_CLOSE) win_close(event_window);
    return 0;
  };
  SendMessageA(w.handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(w.handle, nullptr) << "the Handler decides to close";
}

TEST_F(Events, MenuPicksAndControlNotifications) {
  SendMessageA(w.handle, WM_COMMAND, 12, 0);
  ASSERT_NE(log.last(EV_MENU), nullptr);
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 12);
  EXPECT_EQ(log.last(EV_MENU)->window, &w);

  HWND edit = make_child(w.handle, "EDIT", 1, 0);
  SendMessageA(w.handle, WM_COMMAND, MAKEWPARAM(1, 0x300), reinterpret_cast<LPARAM>(edit));
  const EventSnap* cmd = log.last(EV_COMMAND);
  ASSERT_NE(cmd, nullptr);
  EXPECT_EQ(cmd->id, 1);
  EXPECT_EQ(cmd->notify, 0x300);
  EXPECT_EQ(cmd->menu_id, 12) << "event_menu_id keeps the last menu pick";

  // A message 0x8004 with a command's parameters is a command.
  SendMessageA(w.handle, EV_COMMAND, MAKEWPARAM(4, 0x100), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(log.last(EV_COMMAND)->id, 4);
  EXPECT_EQ(log.last(EV_COMMAND)->notify, 0x100);
  SendMessageA(w.handle, EV_COMMAND, 33, 0);
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 33);

  NMHDR hdr{edit, 9, static_cast<UINT>(-2)};
  SendMessageA(w.handle, WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(log.last(EV_COMMAND)->id, 9);
  EXPECT_EQ(log.last(EV_COMMAND)->notify, -2);
}

TEST_F(Events, MouseEventsCarryKeyStateAndUnsignedPosition) {
  SendMessageA(w.handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1, 7));
  const EventSnap* move = log.last(WM_MOUSEMOVE);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(move->x, 65535u) << "x = -1 while captured";
  EXPECT_EQ(move->y, 7u);
  EXPECT_EQ(move->lparam, static_cast<uint32_t>(MK_LBUTTON));

  // A real button press at a client point.
  SetForegroundWindow(w.handle);
  POINT p{40, 30};
  ClientToScreen(w.handle, &p);
  SetCursorPos(p.x, p.y);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  ASSERT_TRUE(wait_until([&] { return log.last(WM_LBUTTONUP) != nullptr; }, 5000));
  const EventSnap* down = log.last(WM_LBUTTONDOWN);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->x, 40u);
  EXPECT_EQ(down->y, 30u);
  EXPECT_EQ(GetFocus(), w.handle) << "a click focuses the window";
}

TEST_F(Events, ScrollEventsNameTheBarAndSizeComesAsSizeEventThenTheMessage) {
  SendMessageA(w.handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 37), 0);
  const EventSnap* own = log.last(WM_VSCROLL);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->wparam, static_cast<uint32_t>(SB_THUMBTRACK));
  EXPECT_EQ(own->lparam, 37u);
  EXPECT_EQ(own->id, 0);
  HWND bar = make_child(w.handle, "SCROLLBAR", 7, SBS_HORZ);
  SendMessageA(w.handle, WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(log.last(WM_HSCROLL)->id, 7);
  EXPECT_EQ(log.last(WM_HSCROLL)->wparam, static_cast<uint32_t>(SB_LINEDOWN));

  SetWindowPos(w.handle, nullptr, 0, 0, 350, 260, SWP_NOMOVE | SWP_NOZORDER);
  std::vector<int32_t> order = log.codes_among({EV_SIZE, WM_SIZE});
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(std::vector<int32_t>(order.begin(), order.begin() + 2), (std::vector<int32_t>{EV_SIZE, WM_SIZE}));
  EXPECT_EQ(log.last(EV_SIZE)->lparam, reinterpret_cast<uint32_t>(w.handle));
  RECT rc;
  GetClientRect(w.handle, &rc);
  EXPECT_EQ(log.last(WM_SIZE)->lparam, static_cast<uint32_t>(MAKELPARAM(rc.right, rc.bottom)));
  log.clear();
  SendMessageA(w.handle, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(log.codes_among({EV_SIZE, WM_EXITSIZEMOVE}), (std::vector<int32_t>{EV_SIZE, WM_EXITSIZEMOVE}));
}

TEST_F(Events, AHandlerKeepsItsEventAcrossNestedDeliveries) {
  HWND edit = make_child(w.handle, "EDIT", 5, 0);
  EventSnap after{};
  log.on_event = [&] {
    if (event_code == EV_COMMAND && event_id == 5 && event_notify == 0x999) {
      // Sends that come back as events of their own while this one runs.
      SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed")); // EN_CHANGE -> 0x8004
      SendMessageA(w.handle, WM_COMMAND, 44, 0);
      SendMessageA(w.handle, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
      after = {event_code, event_wparam, event_lparam, event_x, event_y, event_window, event_id, 0, event_notify};
    }
    return 0;
  };
  SendMessageA(w.handle, WM_COMMAND, MAKEWPARAM(5, 0x999), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(after.code, EV_COMMAND);
  EXPECT_EQ(after.id, 5);
  EXPECT_EQ(after.notify, 0x999);
  EXPECT_EQ(after.lparam, reinterpret_cast<uint32_t>(edit));
  EXPECT_EQ(after.window, &w);
  EXPECT_EQ(event_menu_id, 44) << "the menu id is the one global not restored";
}

TEST_F(Events, HandlerResultsColourAndOwnerDrawMessagesAndTheDestroyEvent) {
  char title[32];
  for (int32_t result : {1, 0}) {
    log.on_event = [&] { return event_code == WM_SETTEXT ? result : 0; };
    SetWindowTextA(w.handle, "new title");
    GetWindowTextA(w.handle, title, sizeof title);
    EXPECT_STREQ(title, result ? "Events" : "new title") << "a Handler's result 1 skips default processing";
  }
  HWND edit = make_child(w.handle, "EDIT", 3);
  HDC dc = GetDC(edit);
  SendMessageA(w.handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
  ReleaseDC(edit, dc);
  DRAWITEMSTRUCT dis{};
  dis.CtlID = 3;
  SendMessageA(w.handle, WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(log.count(WM_CTLCOLOREDIT) + log.count(WM_DRAWITEM), 0) << "these never reach the Handler";

  HWND seen = nullptr, h = w.handle;
  log.on_event = [&] {
    if (event_code == WM_DESTROY) seen = event_window->handle;
    return 0;
  };
  win_close(&w);
  EXPECT_EQ(seen, h) << "the destroy event sees the handle still set";
  EXPECT_EQ(w.handle, nullptr);
}
