// What start-up builds: the window, its editing field, the menu bar with
// every item, the accelerators, and the search dialog's description.
#include "tests/app/editor_test.h"

#include <vector>

#include "app/menu_ids.h"
#include "tests/support/pixels.h"

namespace {

class Startup : public EditorTest {};

TEST_F(Startup, TheWindowIsCentredAt640By480WithItsTitleAndBorders) {
  RECT r;
  GetWindowRect(editor_window.handle, &r);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 480);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2, 1);
  EXPECT_EQ(DialogFinder::text_of(editor_window.handle), "Tolvane");
  LONG style = GetWindowLongA(editor_window.handle, GWL_STYLE);
  for (LONG bit : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CAPTION, WS_SYSMENU, WS_VISIBLE})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_EQ(line_numbers_on, 1);
  EXPECT_EQ(script_running, 0);
}

TEST_F(Startup, TheEditingFieldFillsTheClientAreaRightOfTheGutter) {
  HWND edit = field();
  ASSERT_NE(edit, nullptr);
  char cls[32] = "";
  GetClassNameA(edit, cls, sizeof cls);
  EXPECT_STREQ(cls, "Edit");
  LONG style = GetWindowLongA(edit, GWL_STYLE);
  for (LONG bit : {ES_MULTILINE, WS_VSCROLL, WS_HSCROLL}) EXPECT_EQ(style & bit, bit) << std::hex << bit;
  RECT c, f;
  GetClientRect(editor_window.handle, &c);
  GetWindowRect(edit, &f);
  MapWindowPoints(nullptr, editor_window.handle, reinterpret_cast<POINT*>(&f), 2);
  EXPECT_EQ(f.left, 30);
  EXPECT_EQ(f.top, 0);
  EXPECT_EQ(f.right, c.right);
  EXPECT_EQ(f.bottom, c.bottom);
  EXPECT_EQ(client_width, c.right);
  EXPECT_EQ(client_height, c.bottom);
  EXPECT_EQ(text(), "");
  EXPECT_EQ(limit(), 30000);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(Startup, WindowAndFieldShowTheEditorsColours) {
  set_text("");
  RedrawWindow(editor_window.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump_all();
  Pixels p = Pixels::of_window(editor_window.handle);
  EXPECT_EQ(p.at(15, client_height - 3), EDITOR_BACK_COLOR) << "the gutter strip's background";
  EXPECT_EQ(p.at(200, 200), EDITOR_BACK_COLOR) << "the field's background";
  set_text("MMMMMMMMMMMMMMMM");
  RedrawWindow(field(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pump_all();
  Pixels t = Pixels::of_window(field());
  EXPECT_GT(t.count(EDITOR_TEXT_COLOR, 0, 0, 120, 20), 10) << "the field's text colour";
}

struct MenuEntry {
  std::string text; // "-" for a separator
  int id;           // 0 for a popup or separator
  std::vector<MenuEntry> popup;
};

std::vector<MenuEntry> read_menu(HMENU menu) {
  std::vector<MenuEntry> entries;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    MenuEntry e;
    if (info.fType & MFT_SEPARATOR) {
      e = {"-", 0, {}};
    } else if (info.hSubMenu) {
      e = {text, 0, read_menu(info.hSubMenu)};
    } else {
      e = {text, static_cast<int>(info.wID), {}};
    }
    entries.push_back(e);
  }
  return entries;
}

bool operator==(const MenuEntry& a, const MenuEntry& b) {
  return a.text == b.text && a.id == b.id && a.popup == b.popup;
}

void PrintTo(const MenuEntry& e, std::ostream* os) {
  *os << e.text << "(" << e.id << ")";
  if (!e.popup.empty()) {
    *os << "{";
    for (const MenuEntry& c : e.popup) {
      PrintTo(c, os);
      *os << " ";
    }
    *os << "}";
  }
}

TEST_F(Startup, TheMenuBarHoldsEveryCommand) {
  const std::vector<MenuEntry> expected = {
      {"File", 0,
       {{"New", 0, {{"Blank Page", 1, {}}, {"HTML Template", 2, {}}}},
        {"Load", 3, {}},
        {"Save", 4, {}},
        {"Print", 5, {}},
        {"-", 0, {}},
        {"Quit", 6, {}}}},
      {"Edit", 0, {{"Undo", 7, {}}, {"Cut", 8, {}}, {"Copy", 9, {}}, {"Paste", 10, {}}, {"Select All", 11, {}}}},
      {"View", 0, {{"Line Numbers", 12, {}}, {"Line Count", 13, {}}, {"Memory Info", 14, {}}}},
      {"Search", 0, {{"Search", 15, {}}}},
      {"Script", 0, {{"Translate", 16, {}}, {"Execute", 17, {}}, {"Restart", 18, {}}, {"Kill", 19, {}}}},
      {"Help", 0,
       {{"Topics", 0,
         {{"IDE Reference", 20, {}},
          {"Language Reference", 21, {}},
          {"-", 0, {}},
          {"File Help", 22, {}},
          {"Edit Help", 23, {}},
          {"View Help", 24, {}},
          {"Search Help", 25, {}}}},
        {"About", 26, {}}}},
  };
  EXPECT_EQ(read_menu(GetMenu(editor_window.handle)), expected);
}

TEST_F(Startup, FourCtrlAcceleratorsPickTheirCommands) {
  HACCEL table = static_cast<HACCEL>(GetPropA(editor_window.handle, ACCEL_PROPERTY));
  ASSERT_NE(table, nullptr);
  ACCEL keys[8];
  int n = CopyAcceleratorTableA(table, keys, 8);
  ASSERT_EQ(n, 4);
  struct Want {
    WORD key;
    WORD cmd;
  } want[] = {{'A', MENU_SELECT_ALL}, {'S', MENU_SAVE}, {'T', MENU_TRANSLATE}, {'E', MENU_EXECUTE}};
  for (const Want& w : want) {
    bool found = false;
    for (int i = 0; i < n; ++i)
      found |= keys[i].key == w.key && keys[i].cmd == w.cmd && (keys[i].fVirt & ~FNOINVERT) == (FVIRTKEY | FCONTROL);
    EXPECT_TRUE(found) << static_cast<char>(w.key);
  }
}

TEST_F(Startup, CtrlAInTheFieldSelectsAll) {
  set_text("select me");
  SetForegroundWindow(editor_window.handle);
  SetFocus(field());
  ASSERT_TRUE(pump_until([] { return GetForegroundWindow() == editor_window.handle && GetFocus() == field(); }));
  pump_all();
  INPUT keys[4] = {};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = 'A';
  keys[2].ki.wVk = 'A';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  DWORD start = 1, end = 0;
  EXPECT_TRUE(pump_until([&] {
    SendMessageA(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == 9;
  }));
  pump_all();
}

TEST_F(Startup, TheSearchDialogIsDescribedButNotShown) {
  EXPECT_EQ(search_dialog.handle, nullptr);
  EXPECT_EQ(search_dialog.is_dialog, 1u);
  EXPECT_NE(search_dialog.dialog, nullptr);
}

} // namespace
