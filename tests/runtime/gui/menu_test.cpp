#include <gtest/gtest.h>

#include "tests/runtime/gui/gui_helpers.h"

using Menus = OneWindow;

TEST_F(Menus, BarsWithPopupsSeparatorsAndItems) {
  HMENU bar = menu_new(0);
  HMENU file = menu_new(0);
  menu_append(file, "&New", 0, 1);
  menu_append(file, "", MF_SEPARATOR, 0);
  menu_append(file, "&Quit", MF_GRAYED, 2);
  menu_append(bar, "&File", MF_POPUP, reinterpret_cast<uintptr_t>(file));
  menu_append(nullptr, "ignored", 0, 3); // a null menu is left alone
  menu_attach(&w, bar);
  EXPECT_EQ(GetMenu(w.handle), bar);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(file, 1, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_SEPARATOR);
  EXPECT_TRUE(GetMenuState(file, 2, MF_BYCOMMAND) & MF_GRAYED);
  SendMessageA(w.handle, WM_COMMAND, 1, 0);
  EXPECT_EQ(log.last(EV_MENU)->menu_id, 1);

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
