#include <gtest/gtest.h>

#include "tests/runtime/gui/gui_helpers.h"

using Events = OneWindow;

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
