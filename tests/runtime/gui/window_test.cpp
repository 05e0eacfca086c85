#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/paint_spy.h"
#include "tests/support/temp_text.h"

using WindowOpen = GuiTest;

TEST_F(WindowOpen, FlagsGiveTheStylesAndBackingStore) {
  Window& editor = open(10, 20, 300, 200, 0x70010, nullptr, "Editor", EventLog::handler);
  const DWORD wanted = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                       WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  EXPECT_EQ(style_of(editor.handle) & (wanted | WIN_OPTION_MASK), wanted) << "runtime options stay out of the style";
  EXPECT_EQ(class_of(editor.handle), "CorvatineWndClass");
  EXPECT_EQ(editor.back_bitmap, nullptr);
  EXPECT_EQ(log.count(WM_CREATE), 1) << "creation events reach the Handler";

  struct Case { uint32_t flags, backing; int bw, bh; } cases[] = { // size 0: the screen's; -1: the client area's
      {0, BACKING_PRESENT, 0, 0}, {0x80, BACKING_PRESENT, 201, 101},
      {0x100, BACKING_PRESENT | BACKING_STRETCH, -1, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    Window& w = open(0, 0, 200, 100, c.flags);
    EXPECT_EQ(w.backing_flags, c.backing);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(w.back_bitmap, sizeof bm, &bm), int(sizeof bm));
    RECT rc;
    GetClientRect(w.handle, &rc);
    EXPECT_EQ(bm.bmWidth, c.bw == 0 ? GetSystemMetrics(SM_CXSCREEN) : c.bw < 0 ? rc.right : c.bw);
    EXPECT_EQ(bm.bmHeight, c.bh == 0 ? GetSystemMetrics(SM_CYSCREEN) : c.bh < 0 ? rc.bottom : c.bh);
  }

  Window& tool = open(0, 0, 100, 80, 0x10 | 0x40 | 0x200 | 0x400);
  EXPECT_EQ(style_of(tool.handle) & WS_CAPTION, 0u);
  const DWORD tool_ex = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(tool.handle, GWL_EXSTYLE)) & tool_ex, tool_ex);
  EXPECT_FALSE(IsWindowVisible(open(0, 0, 100, 80, 0x10 | WIN_HIDDEN).handle)) << "to be shown once it is built";
}

TEST_F(WindowOpen, MdiChildrenLiveInTheFramesClientAndTakeItsMenuPicks) {
  Window& frame = open(0, 0, 500, 400, 0x70030, nullptr, "Frame", EventLog::handler);
  EXPECT_EQ(class_of(frame.handle), "CorvatineFrameClass");
  ASSERT_NE(frame.mdi_client, nullptr);
  EXPECT_EQ(class_of(frame.mdi_client), "MDIClient");
  EXPECT_EQ(GetMenuItemID(GetSubMenu(GetMenu(frame.handle), 0), 0), UINT(MENU_MDI_CASCADE)) << "the Window menu";

  Window& doc = open(0, 0, 200, 150, 0x70010, &frame, "Doc", EventLog::handler);
  EXPECT_EQ(GetParent(doc.handle), frame.mdi_client);
  SendMessageA(frame.handle, WM_COMMAND, 12, 0);
  ASSERT_NE(log.last(EV_MENU), nullptr);
  EXPECT_EQ(log.last(EV_MENU)->window, &doc) << "the frame's menu pick names the active MDI child";
  win_close(&doc);
  EXPECT_EQ(GetWindow(frame.mdi_client, GW_CHILD), nullptr) << "closed through WM_MDIDESTROY";
}

TEST_F(WindowOpen, MdiLayoutGivesEachBarItsSideOfTheClientArea) {
  InitCommonControls();
  Window& frame = open(0, 0, 500, 400, 0x70030);
  RECT area;
  GetClientRect(frame.handle, &area);
  EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 0) << "no bars";
  struct Case { const char* bar_class; DWORD style; int dleft, dtop, dright, dbottom; } cases[] = { // 1: by the bar
      {STATUSCLASSNAMEA, 0, 0, 0, 0, 1}, {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_TOP, 0, 1, 0, 0},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_TOP | CCS_VERT, 1, 0, 0, 0},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_BOTTOM, 0, 0, 0, 1},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_BOTTOM | CCS_VERT, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bar_class) + " " + std::to_string(c.style));
    HWND bar = make_child(frame.handle, c.bar_class, 0, WS_VISIBLE | c.style);
    ASSERT_NE(bar, nullptr);
    if (c.style & CCS_NORESIZE) MoveWindow(bar, 0, 0, 40, 30, FALSE);
    EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 1);
    RECT b = place_of(bar);
    int w = b.right - b.left, h = b.bottom - b.top;
    RECT want = {c.dleft * w, c.dtop * h, area.right - c.dright * w, area.bottom - c.dbottom * h};
    EXPECT_EQ(rect_text(place_of(frame.mdi_client)), rect_text(want));
    DestroyWindow(bar);
  }
}

TEST_F(WindowOpen, ClosedAndDialogRecordsAreLeftAlone) {
  Window w{};
  int32_t x = 9, y = 9, cx = 9, cy = 9;
  EXPECT_EQ(win_client_size(&w, &x, &y, &cx, &cy), 0);
  EXPECT_EQ(x + y + cx + cy, 0);
  for (int result : {win_close(&w), win_center(&w), ctl_handle(&w, 1), ctl_move(&w, 0, 0, 1, 1, 0),
                     ctl_show(&w, SW_HIDE, 0), menu_attach(&w, nullptr), timer_start(&w, 10, 1, nullptr),
                     win_move(&w, 1, 2), win_front_pen(&w, 0xFF), win_back_pen(&w, 0xFF),
                     win_set_font(&w, "Arial", 12, 400, 0, 0), win_box(&w, 0, 0, 5, 5, 0xFF, 0xFF),
                     ctl_set_text(&w, 1, "x"), ctl_set_focus(&w, 1), ctl_set_focus(&w, 0)})
    EXPECT_EQ(result, 0);
  EXPECT_EQ(take(ctl_get_text(&w, 1)), "");
  EXPECT_EQ(accel_add(&w, 9, 'T', 16), 0) << "an accelerator for a closed record is refused";
  EXPECT_EQ(begin_draw(&w), nullptr);
  end_draw(&w, nullptr, 1);
  EXPECT_EQ(w.pen, nullptr) << "nothing made that no window would free";
  EXPECT_EQ(w.font, nullptr);

  Window& dialog = open(0, 0, 100, 100, 0x10);
  dialog.is_dialog = 1;
  EXPECT_EQ(win_close(&dialog), 0);
  EXPECT_TRUE(IsWindow(dialog.handle)) << "win_close leaves a dialog's record to dlg_close";
  dialog.is_dialog = 0;
}

TEST_F(WindowOpen, ControlsByIdTheirTextAndFocusAndTheClientSize) {
  Window& w = open(0, 0, 300, 200, 0x70010);
  HWND edit = make_child(w.handle, "EDIT", 7, WS_VISIBLE | ES_AUTOHSCROLL);
  EXPECT_EQ(ctl_handle(&w, 7), 1);
  EXPECT_EQ(ctl_handle(&w, 8), 0);
  std::string long_text(5000, 'q');
  EXPECT_EQ(ctl_set_text(&w, 7, long_text.c_str()), 0);
  EXPECT_EQ(take(ctl_get_text(&w, 7)), long_text) << "read whole, whatever its length";
  EXPECT_EQ(take(ctl_get_text(&w, 8)), "") << "no control with that id";
  SetForegroundWindow(w.handle);
  EXPECT_EQ(ctl_set_focus(&w, 7), 0);
  EXPECT_EQ(GetFocus(), edit);
  ctl_set_focus(&w, 8);
  EXPECT_EQ(GetFocus(), edit) << "a missing control takes nothing";
  ctl_set_focus(&w, 0);
  EXPECT_EQ(GetFocus(), w.handle) << "id 0: the window itself";
  ctl_move(&w, 10, 11, 60, 25, 7);
  EXPECT_EQ(rect_text(place_of(edit)), "10,11-70,36");
  int32_t x = -1, y = -1, cx = 0, cy = 0;
  win_client_size(&w, &x, &y, &cx, &cy);
  RECT rc;
  GetClientRect(w.handle, &rc);
  EXPECT_EQ(rect_text({x, y, cx, cy}), rect_text(rc));
  ctl_show(&w, SW_HIDE, 0);
  ctl_move(&w, 5, 6, 250, 150, 0); // id 0 shows the window again, then moves it
  EXPECT_TRUE(IsWindowVisible(w.handle));
  EXPECT_EQ(rect_text(place_of(w.handle)), "5,6-255,156");
}

TEST_F(WindowOpen, CenterOnOwnerWorkAreaOrParentAndClampToTheRightEdge) {
  RECT work, r, o;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Window& owner = open(work.right - 150, 100, 140, 100, 0x10);
  Window& w = open(0, 0, 300, 120, 0x10);
  SetWindowLongPtrA(w.handle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.handle)); // owned
  win_center(&w);
  GetWindowRect(w.handle, &r);
  GetWindowRect(owner.handle, &o);
  EXPECT_EQ(r.right, work.right) << "pulled left onto the work area's right edge";
  EXPECT_EQ(r.top, (o.top + o.bottom) / 2 - (r.bottom - r.top) / 2);

  ShowWindow(owner.handle, SW_MINIMIZE);
  win_center(&w);
  GetWindowRect(w.handle, &r);
  EXPECT_EQ(r.left, (work.left + work.right) / 2 - (r.right - r.left) / 2) << "a minimised owner is ignored";

  Window& child = open(0, 0, 100, 50, 0x800050, &w);
  win_center(&child);
  GetClientRect(w.handle, &o);
  r = place_of(child.handle);
  EXPECT_EQ(r.left, o.right / 2 - 50) << "a child in its parent's client area";
  EXPECT_EQ(r.top, o.bottom / 2 - 25);
}
