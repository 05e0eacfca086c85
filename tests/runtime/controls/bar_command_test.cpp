// ctl_command on a real status bar and a real tool bar with two buttons and tool tips; both beside an MDI client.
#include "tests/runtime/controls/control_test_support.h"

namespace {
using BarCommand = CommandTest;

std::string part_text(HWND bar, int part) {
  char buffer[256] = "";
  SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

constexpr int OPEN = 101, SAVE = 102;

void add_buttons(HWND bar) {
  SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2] = {};
  buttons[0].iBitmap = I_IMAGENONE;
  buttons[0].idCommand = OPEN;
  buttons[0].fsState = TBSTATE_ENABLED;
  buttons[1] = buttons[0];
  buttons[1].idCommand = SAVE;
  SendMessageA(bar, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
}

class ToolBarCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_common(TOOLBARCLASSNAMEA, TBSTYLE_TOOLTIPS);
    add_buttons(control);
  }
  std::string label(int index) {
    char buffer[64] = "";
    LRESULT n =
        SendMessageA(control, TB_GETSTRINGA, MAKEWPARAM(sizeof buffer, index), reinterpret_cast<LPARAM>(buffer));
    return n < 0 ? "<none>" : buffer;
  }
};
} // namespace

// Every status-bar code gives 0.
TEST_F(BarCommand, StatusBarPartsFromAnArrayByReferenceTextsAndRefittingToTheParent) {
  make_common(STATUSCLASSNAMEA, 0);
  int32_t edges[3] = {100, 200, -1};
  EXPECT_EQ(cmd(0, num(3), num(edges[0])), 0);
  EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 0, 0), 1) << "no array by reference: no parts";
  EXPECT_EQ(cmd(0, num(3), num_ref(edges)), 0);
  int got[3] = {};
  EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(got)), 3);
  EXPECT_EQ(got[1], 200);

  EXPECT_EQ(cmd(1, num(1), str("Ready")), 0);
  EXPECT_EQ(part_text(control, 1), "Ready");
  EXPECT_EQ(cmd(1, num(1), num(5)), 0);
  EXPECT_EQ(part_text(control, 1), "Ready") << "a number is not a text";

  MoveWindow(control, 5, 5, 40, 10, FALSE);
  EXPECT_EQ(cmd(2), 0);
  RECT bar = place_of(control), client;
  GetClientRect(parent.handle, &client);
  EXPECT_EQ(rect_text(bar), rect_text({0, client.bottom - (bar.bottom - bar.top), client.right, client.bottom}));
}

// The MDI client fills what the tool bar at the top and the status bar at the bottom leave.
TEST_F(BarCommand, AnMdiClientMovesBesideANewStatusBarAndAResizedToolBar) {
  Window& frame = open(30, 30, 500, 400, WIN_MDI_FRAME);
  HWND tools = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_TOP, 0, 0, 0, 0, frame.handle,
                               reinterpret_cast<HMENU>(9), GetModuleHandleA(nullptr), nullptr);
  add_buttons(tools);
  auto fits = [&] {
    RECT top = place_of(tools), bottom = place_of(GetDlgItem(frame.handle, 30)), area;
    GetClientRect(frame.handle, &area);
    return rect_text(place_of(frame.mdi_client)) ==
           rect_text({0, top.bottom - top.top, area.right, area.bottom - (bottom.bottom - bottom.top)});
  };
  ctl_create(&frame, 12, "ready", 0, 0, 0, 0, 0, 30);
  EXPECT_TRUE(fits()) << "after the status bar came";
  MoveWindow(frame.mdi_client, 0, 0, 100, 100, TRUE);
  EXPECT_EQ(ctl_command(&frame, 9, 1, 32, VT_INT32, 32, VT_INT32, 0, VT_NONE, 0, VT_NONE), 0);
  EXPECT_TRUE(fits()) << "after the tool bar's buttons grew";
}

TEST_F(ToolBarCommand, LabelsSeparatedByBarsAndToolTips) {
  EXPECT_EQ(cmd(4, str("Open|Save|")), 0);
  EXPECT_EQ(label(1), "Save");
  EXPECT_EQ(label(2), "<none>") << "the trailing bar closes the list";
  EXPECT_EQ(cmd(4, str("Print")), 0);
  EXPECT_EQ(label(2), "Print") << "a list without a trailing bar ends too";
  EXPECT_EQ(label(3), "<none>");

  EXPECT_EQ(cmd(9, num(OPEN), str("Open a file")), 0);
  EXPECT_EQ(cmd(9, num(OPEN), num(1)), 0);
  HWND tips = reinterpret_cast<HWND>(SendMessageA(control, TB_GETTOOLTIPS, 0, 0));
  char text[80] = "";
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = control;
  info.uId = OPEN;
  info.lpszText = text;
  SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, "Open a file") << "the tool tip";
}

TEST_F(ToolBarCommand, ButtonStyleAndSize) {
  EXPECT_EQ(cmd(5, num(OPEN), num(BTNS_CHECK)), 0);
  TBBUTTONINFOA info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STYLE;
  SendMessageA(control, TB_GETBUTTONINFOA, OPEN, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.fsStyle, BTNS_CHECK);

  EXPECT_EQ(cmd(2, num(50), num(40)), 0);
  EXPECT_EQ(cmd(7), 50);
  EXPECT_EQ(cmd(8), 40);
  EXPECT_EQ(cmd(10, num(OPEN)), 0) << "unknown code";
}
