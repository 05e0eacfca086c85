#include <gtest/gtest.h>

#include <string>

#include "tests/support/event_log.h"
#include "tests/support/wait.h"

namespace {
DWORD style_of(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
DWORD ex_style_of(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }
std::string class_of(HWND w) {
  char name[64] = "";
  GetClassNameA(w, name, sizeof name);
  return name;
}
RECT work_area() {
  RECT r;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}
} // namespace

using WindowOpen = GuiTest;

TEST_F(WindowOpen, EditorFlagsGiveASizablePopupWithoutBackingStore) {
  Window w{};
  ASSERT_EQ(win_open(&w, 10, 20, 300, 200, 0x70010, nullptr, "Editor", EventLog::handler), 1);
  ASSERT_NE(w.handle, nullptr);
  DWORD style = style_of(w.handle);
  for (DWORD bit : {DWORD(WS_POPUP), DWORD(WS_VISIBLE), DWORD(WS_CLIPCHILDREN), DWORD(WS_CAPTION),
                    DWORD(WS_SYSMENU), DWORD(WS_THICKFRAME), DWORD(WS_MINIMIZEBOX), DWORD(WS_MAXIMIZEBOX)})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_EQ(style & 0x7F0, 0u) << "runtime options must not reach the style";
  EXPECT_EQ(class_of(w.handle), WND_CLASS_NAME);
  EXPECT_EQ(w.backing_flags, 0u);
  EXPECT_EQ(w.back_bitmap, nullptr);
  EXPECT_EQ(w.back_color, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(w.handler, &EventLog::handler);
  EXPECT_EQ(GetObjectType(w.pen), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(GetObjectType(w.font), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(reinterpret_cast<Window*>(GetWindowLongA(w.handle, 0)), &w);
  EXPECT_EQ(log.count(WM_CREATE), 1) << "creation events reach the Handler";
  win_close(&w);
  EXPECT_EQ(w.handle, nullptr);
}

TEST_F(WindowOpen, BackingStoreSizesFollowTheFlags) {
  struct Case {
    uint32_t flags;
    uint32_t backing;
    int bw, bh; // 0: the screen; -1: the client area
  } cases[] = {
      {0, BACKING_PRESENT, 0, 0},
      {0x80, BACKING_PRESENT, 201, 101},
      {0x100, BACKING_PRESENT | BACKING_STRETCH, -1, -1},
      {0x110, BACKING_PRESENT | BACKING_STRETCH, -1, -1},
  };
  for (const Case& c : cases) {
    Window w{};
    ASSERT_EQ(win_open(&w, 0, 0, 200, 100, c.flags, nullptr, "b", nullptr), 1);
    EXPECT_EQ(w.backing_flags, c.backing) << c.flags;
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(w.back_bitmap, sizeof bm, &bm), int(sizeof bm)) << c.flags;
    RECT rc;
    GetClientRect(w.handle, &rc);
    int bw = c.bw == 0 ? GetSystemMetrics(SM_CXSCREEN) : c.bw < 0 ? rc.right : c.bw;
    int bh = c.bh == 0 ? GetSystemMetrics(SM_CYSCREEN) : c.bh < 0 ? rc.bottom : c.bh;
    EXPECT_EQ(bm.bmWidth, bw) << c.flags;
    EXPECT_EQ(bm.bmHeight, bh) << c.flags;
    win_close(&w);
  }
}

TEST_F(WindowOpen, OptionFlagsSetExtendedStylesAndCaption) {
  Window w{};
  ASSERT_EQ(win_open(&w, 0, 0, 100, 80, 0x10 | 0x40 | 0x200 | 0x400, nullptr, "t", nullptr), 1);
  EXPECT_EQ(style_of(w.handle) & WS_CAPTION, 0u);
  EXPECT_TRUE(ex_style_of(w.handle) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex_style_of(w.handle) & WS_EX_TOPMOST);
  win_close(&w);
}

TEST_F(WindowOpen, ChildWindowWithParentAndMaximisedStart) {
  Window parent{}, child{}, big{};
  ASSERT_EQ(win_open(&parent, 0, 0, 400, 300, 0x70010, nullptr, "p", nullptr), 1);
  ASSERT_EQ(win_open(&child, 5, 5, 100, 100, 0x800050, &parent, "", nullptr), 1);
  EXPECT_EQ(GetParent(child.handle), parent.handle);
  EXPECT_TRUE(style_of(child.handle) & WS_CHILD);
  EXPECT_TRUE(style_of(child.handle) & WS_BORDER);
  EXPECT_EQ(style_of(child.handle) & WS_CAPTION, WS_BORDER);
  ASSERT_EQ(win_open(&big, 0, 0, 100, 100, 0x10 | WS_MAXIMIZE | WS_THICKFRAME, nullptr, "m", nullptr), 1);
  EXPECT_TRUE(IsZoomed(big.handle));
  win_close(&big);
  win_close(&parent);
}

TEST_F(WindowOpen, MdiFrameGetsWindowMenuAndClientAndChildrenAreMdiChildren) {
  Window frame{}, doc{};
  ASSERT_EQ(win_open(&frame, 0, 0, 500, 400, 0x70030, nullptr, "Frame", nullptr), 1);
  EXPECT_EQ(class_of(frame.handle), FRAME_CLASS_NAME);
  ASSERT_NE(frame.mdi_client, nullptr);
  EXPECT_EQ(class_of(frame.mdi_client), "MDIClient");
  EXPECT_EQ(GetDlgCtrlID(frame.mdi_client), 3244);
  HMENU bar = GetMenu(frame.handle);
  ASSERT_NE(bar, nullptr);
  char text[32];
  GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Window");
  HMENU popup = GetSubMenu(bar, 0);
  EXPECT_EQ(GetMenuItemID(popup, 0), UINT(MENU_MDI_CASCADE));
  EXPECT_EQ(GetMenuItemID(popup, 1), UINT(MENU_MDI_TILE));
  EXPECT_EQ(GetMenuItemID(popup, 2), UINT(MENU_MDI_ARRANGE));
  EXPECT_EQ(gui_mdi_client_atom(), static_cast<ATOM>(GetClassWord(frame.mdi_client, GCW_ATOM)));

  ASSERT_EQ(win_open(&doc, 0, 0, 200, 150, 0x70010, &frame, "Doc", EventLog::handler), 1);
  EXPECT_EQ(GetParent(doc.handle), frame.mdi_client);
  EXPECT_TRUE(ex_style_of(doc.handle) & WS_EX_MDICHILD);
  // The frame's menu pick names the active MDI child.
  Window* seen = nullptr;
  log.on_event = [&] {
    if (event_code == EV_MENU) seen = event_window;
    return 0;
  };
  frame.handler = EventLog::handler;
  SendMessageA(frame.handle, WM_COMMAND, 12, 0);
  EXPECT_EQ(seen, &doc);
  win_close(&doc);
  EXPECT_EQ(GetWindow(frame.mdi_client, GW_CHILD), nullptr) << "closed through WM_MDIDESTROY";
  win_close(&frame);
}

TEST_F(WindowOpen, ClosedRecordsDoNothing) {
  Window w{};
  int32_t x = 9, y = 9, cx = 9, cy = 9;
  EXPECT_EQ(win_client_size(&w, &x, &y, &cx, &cy), 0);
  EXPECT_EQ(x + y + cx + cy, 0);
  EXPECT_EQ(win_close(&w), 0);
  EXPECT_EQ(win_center(&w), 0);
  EXPECT_EQ(ctl_handle(&w, 1), 0);
  EXPECT_EQ(ctl_move(&w, 0, 0, 1, 1, 0), 0);
  EXPECT_EQ(ctl_show(&w, SW_HIDE, 0), 0);
  EXPECT_EQ(accel_add(&w, 9, 'T', 16), 0);
  EXPECT_EQ(menu_attach(&w, nullptr), 0);
  EXPECT_EQ(timer_start(&w, 10, 1, nullptr), 0);
}

TEST_F(WindowOpen, DialogRecordsAreNotClosedByWinClose) {
  Window w{};
  ASSERT_EQ(win_open(&w, 0, 0, 100, 100, 0x10, nullptr, "d", nullptr), 1);
  w.is_dialog = 1;
  EXPECT_EQ(win_close(&w), 0);
  EXPECT_TRUE(IsWindow(w.handle));
  w.is_dialog = 0;
  win_close(&w);
  EXPECT_FALSE(IsWindow(w.handle));
}

TEST_F(WindowOpen, ControlsByIdAndClientSize) {
  Window w{};
  ASSERT_EQ(win_open(&w, 0, 0, 300, 200, 0x70010, nullptr, "c", nullptr), 1);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, w.handle,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(ctl_handle(&w, 7), 1);
  EXPECT_EQ(ctl_handle(&w, 8), 0);
  ctl_move(&w, 10, 11, 60, 25, 7);
  RECT r;
  GetWindowRect(edit, &r);
  MapWindowPoints(nullptr, w.handle, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 11);
  EXPECT_EQ(r.right - r.left, 60);
  ctl_show(&w, SW_HIDE, 7);
  EXPECT_FALSE(IsWindowVisible(edit));
  ctl_move(&w, 0, 0, 1, 1, 99); // no such control: nothing happens
  int32_t x = -1, y = -1, cx = 0, cy = 0;
  win_client_size(&w, &x, &y, &cx, &cy);
  RECT rc;
  GetClientRect(w.handle, &rc);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(cx, rc.right);
  EXPECT_EQ(cy, rc.bottom);
  ctl_show(&w, SW_HIDE, 0);
  EXPECT_FALSE(IsWindowVisible(w.handle));
  ctl_move(&w, 5, 6, 250, 150, 0); // id 0 shows the window again, then moves it
  EXPECT_TRUE(IsWindowVisible(w.handle));
  GetWindowRect(w.handle, &r);
  EXPECT_EQ(r.right - r.left, 250);
  win_close(&w);
}

TEST_F(WindowOpen, CenterOnOwnerWorkAreaOrParentAndClampToTheRightEdge) {
  RECT work = work_area(), r, o;
  Window owner{}, w{}, child{};
  ASSERT_EQ(win_open(&owner, work.right - 150, 100, 140, 100, 0x10, nullptr, "o", nullptr), 1);
  ASSERT_EQ(win_open(&w, 0, 0, 300, 120, 0x10, nullptr, "w", nullptr), 1);
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
  EXPECT_EQ(r.top, (work.top + work.bottom) / 2 - (r.bottom - r.top) / 2);

  ASSERT_EQ(win_open(&child, 0, 0, 100, 50, 0x800050, &w, "", nullptr), 1);
  win_center(&child);
  GetClientRect(w.handle, &o);
  GetWindowRect(child.handle, &r);
  MapWindowPoints(nullptr, w.handle, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, o.right / 2 - 50) << "a child in its parent's client area";
  EXPECT_EQ(r.top, o.bottom / 2 - 25);
  win_close(&w);
  win_close(&owner);
}
