#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "tests/support/event_log.h"

namespace {
RECT client_in_frame(const Window& frame) {
  RECT r;
  GetWindowRect(frame.mdi_client, &r);
  MapWindowPoints(nullptr, frame.handle, reinterpret_cast<POINT*>(&r), 2);
  return r;
}
} // namespace

using MdiLayout = GuiTest;

TEST_F(MdiLayout, StatusAndToolBarsTakeTheirSideOfTheClientArea) {
  InitCommonControls();
  Window& frame = open(0, 0, 500, 400, 0x70030);
  RECT area, before = client_in_frame(frame);
  GetClientRect(frame.handle, &area);
  EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 0);
  RECT after = client_in_frame(frame);
  EXPECT_TRUE(EqualRect(&before, &after)) << "without bars nothing moves";
  struct Case {
    const char* bar_class;
    DWORD style;
    int dleft, dtop, dright, dbottom; // 1: by the bar's width or height
  } cases[] = {
      {STATUSCLASSNAMEA, 0, 0, 0, 0, 1}, {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_TOP, 0, 1, 0, 0},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_TOP | CCS_VERT, 1, 0, 0, 0},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_BOTTOM, 0, 0, 0, 1},
      {TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_BOTTOM | CCS_VERT, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bar_class) + " " + std::to_string(c.style));
    HWND bar = CreateWindowExA(0, c.bar_class, "", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 0, 0, frame.handle, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    if (c.style & CCS_NORESIZE) MoveWindow(bar, 0, 0, 40, 30, FALSE);
    EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 1);
    RECT r = client_in_frame(frame), b;
    GetWindowRect(bar, &b);
    int w = b.right - b.left, h = b.bottom - b.top;
    EXPECT_EQ(r.left, c.dleft * w);
    EXPECT_EQ(r.top, c.dtop * h);
    EXPECT_EQ(r.right, area.right - c.dright * w);
    EXPECT_EQ(r.bottom, area.bottom - c.dbottom * h);
    DestroyWindow(bar);
  }
}
