#include <gtest/gtest.h>

#include <vector>

#include "tests/runtime/gui/gui_helpers.h"

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

  HWND edit = make_child(w.handle, "EDIT", 1, 0);
  SendMessageA(w.handle, WM_COMMAND, MAKEWPARAM(1, 0x300), reinterpret_cast<LPARAM>(edit));
  const EventSnap* cmd = log.last(EV_COMMAND);
  ASSERT_NE(cmd, nullptr);
  EXPECT_EQ(cmd->id, 1);
  EXPECT_EQ(cmd->notify, 0x300);
  EXPECT_EQ(cmd->menu_id, 12) << "event_menu_id keeps the last menu pick";

  // A message 0x8004 with a command's parameters is a command, or a menu pick.
  SendMessageA(w.handle, EV_COMMAND, MAKEWPARAM(4, 0x100), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(log.last(EV_COMMAND)->id, 4);
  SendMessageA(w.handle, EV_COMMAND, 33, 0);
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 33);

  NMHDR hdr{edit, 9, static_cast<UINT>(-2)};
  SendMessageA(w.handle, WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&hdr));
  EXPECT_EQ(log.last(EV_COMMAND)->id, 9);
  EXPECT_EQ(log.last(EV_COMMAND)->notify, -2);
}

TEST_F(Events, MouseEventsCarryKeyStateAndUnsignedPositionAndAPressFocuses) {
  SendMessageA(w.handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1, 7));
  const EventSnap* move = log.last(WM_MOUSEMOVE);
  ASSERT_NE(move, nullptr);
  EXPECT_EQ(move->x, 65535u) << "x = -1 while captured";
  EXPECT_EQ(move->y, 7u);
  EXPECT_EQ(move->lparam, static_cast<LPARAM>(MK_LBUTTON));

  HWND edit = make_child(w.handle, "EDIT", 1);
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);
  SendMessageA(w.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 30));
  EXPECT_EQ(log.last(WM_LBUTTONDOWN)->x, 40u);
  EXPECT_EQ(GetFocus(), w.handle) << "a button press takes the focus from the control";
}

TEST_F(Events, ScrollEventsNameTheBarAndSizeComesAsSizeEventThenTheMessage) {
  SendMessageA(w.handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 37), 0);
  const EventSnap* own = log.last(WM_VSCROLL);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->wparam, static_cast<WPARAM>(SB_THUMBTRACK));
  EXPECT_EQ(own->lparam, 37);
  EXPECT_EQ(own->id, 0);
  HWND bar = make_child(w.handle, "SCROLLBAR", 7, SBS_HORZ);
  SendMessageA(w.handle, WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(log.last(WM_HSCROLL)->id, 7);

  SetWindowPos(w.handle, nullptr, 0, 0, 350, 260, SWP_NOMOVE | SWP_NOZORDER);
  std::vector<int32_t> order = log.codes_among({EV_SIZE, WM_SIZE});
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(std::vector<int32_t>(order.begin(), order.begin() + 2), (std::vector<int32_t>{EV_SIZE, WM_SIZE}));
  EXPECT_EQ(log.last(EV_SIZE)->lparam, reinterpret_cast<LPARAM>(w.handle));
  log.clear();
  SendMessageA(w.handle, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(log.codes_among({EV_SIZE, WM_EXITSIZEMOVE}), (std::vector<int32_t>{EV_SIZE, WM_EXITSIZEMOVE}));
}

TEST_F(Events, AHandlerKeepsItsEventAcrossNestedDeliveries) {
  HWND edit = make_child(w.handle, "EDIT", 5, 0);
  EventSnap after{};
  log.on_event = [&] {
    if (event_code == EV_COMMAND && event_id == 5 && event_notify == 0x999) {
      SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed")); // EN_CHANGE: an event of its own
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
  EXPECT_EQ(after.lparam, reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(event_menu_id, 44) << "the menu id is the one global not restored";
}

TEST_F(Events, AHandlerResultOfOneSkipsDefaultProcessingAndTheDestroyEventSeesTheHandle) {
  char title[32];
  for (int32_t result : {1, 0}) {
    log.on_event = [&] { return event_code == WM_SETTEXT ? result : 0; };
    SetWindowTextA(w.handle, "new title");
    GetWindowTextA(w.handle, title, sizeof title);
    EXPECT_STREQ(title, result ? "Events" : "new title") << "a Handler's result 1 skips default processing";
  }
  HWND seen = nullptr, h = w.handle;
  log.on_event = [&] {
    if (event_code == WM_DESTROY) seen = event_window->handle;
    return 0;
  };
  win_close(&w);
  EXPECT_EQ(seen, h) << "the destroy event sees the handle still set";
}

TEST_F(Events, AReplacedMenuBarIsDestroyedWithItsPopupsAndTheSameBarAgainStays) {
  HMENU bar = menu_new(0);
  HMENU file = menu_new(0);
  menu_append(file, "&Quit", MF_GRAYED, 2);
  menu_append(bar, "&File", MF_POPUP, reinterpret_cast<uintptr_t>(file));
  menu_attach(&w, bar);
  EXPECT_EQ(GetMenu(w.handle), bar);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYCOMMAND) & MF_GRAYED) << "the flags reach the item";

  HMENU second = menu_new(0);
  menu_append(second, "&Other", 0, 7);
  menu_attach(&w, second);
  EXPECT_FALSE(IsMenu(bar)) << "the replaced bar is destroyed";
  EXPECT_FALSE(IsMenu(file)) << "with its popups";
  menu_attach(&w, second); // the same bar again stays
  EXPECT_TRUE(IsMenu(second));
  win_close(&w);
  EXPECT_FALSE(IsMenu(second)) << "the attached bar goes with its window";
}
