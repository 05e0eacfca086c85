// What start-up builds: the editing field's scroll bars, the menu bar with
// every item and the accelerators. (Place, size, colours and focus are checked end to end.)
#include "tests/app/editor_test.h"

namespace {

class Startup : public EditorTest {};

// A menu as one line: "Text=id" items, "-" separators, popups in braces.
std::string menu_text(HMENU menu) {
  std::string out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    if (i > 0) out += ",";
    if (info.fType & MFT_SEPARATOR)
      out += "-";
    else if (info.hSubMenu)
      out += std::string(text) + "{" + menu_text(info.hSubMenu) + "}";
    else
      out += std::string(text) + "=" + std::to_string(info.wID);
  }
  return out;
}

TEST_F(Startup, TheFieldScrollsBothWaysAndTheMenuBarAndAcceleratorsHoldEveryCommand) {
  LONG style = GetWindowLongA(field(), GWL_STYLE);
  for (LONG bit : {ES_MULTILINE, WS_VSCROLL, WS_HSCROLL}) EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_EQ(menu_text(GetMenu(editor_window.handle)),
            "File{New{Blank Page=1,HTML Template=2},Load=3,Save=4,Print=5,-,Quit=6},"
            "Edit{Undo=7,Cut=8,Copy=9,Paste=10,Select All=11},"
            "View{Line Numbers=12,Line Count=13,Memory Info=14},"
            "Search{Search=15},"
            "Script{Translate=16,Execute=17,Restart=18,Kill=19},"
            "Help{Topics{IDE Reference=20,Language Reference=21,-,File Help=22,Edit Help=23,View Help=24,"
            "Search Help=25},About=26}");
  HACCEL table = static_cast<HACCEL>(GetPropA(editor_window.handle, ACCEL_PROPERTY));
  ASSERT_NE(table, nullptr);
  ACCEL keys[8];
  int n = CopyAcceleratorTableA(table, keys, 8);
  std::string found;
  for (int i = 0; i < n; ++i)
    if ((keys[i].fVirt & ~FNOINVERT) == (FVIRTKEY | FCONTROL))
      found += std::string(1, static_cast<char>(keys[i].key)) + "=" + std::to_string(keys[i].cmd) + " ";
  EXPECT_EQ(n, 4);
  for (const char* want : {"A=11 ", "S=4 ", "T=16 ", "E=17 "}) EXPECT_NE(found.find(want), std::string::npos) << want;
}

} // namespace
