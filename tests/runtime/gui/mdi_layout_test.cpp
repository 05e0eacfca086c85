#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "tests/support/event_log.h"

namespace {
RECT client_in_frame(HWND client, HWND frame) {
  RECT r;
  GetWindowRect(client, &r);
  MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int outer_height(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r.bottom - r.top;
}
int outer_width(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r.right - r.left;
}

class MdiLayout : public GuiTest {
protected:
  Window frame{};
  RECT area{};
  void SetUp() override {
    GuiTest::SetUp();
    InitCommonControls();
    ASSERT_EQ(win_open(&frame, 0, 0, 500, 400, 0x70030, nullptr, "Frame", nullptr), 1);
    GetClientRect(frame.handle, &area);
  }
  void TearDown() override {
    win_close(&frame);
    GuiTest::TearDown();
  }
  HWND bar(const char* cls, DWORD style) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, frame.handle, nullptr,
                           nullptr, nullptr);
  }
};
} // namespace

TEST_F(MdiLayout, WithoutBarsNothingMoves) {
  RECT before = client_in_frame(frame.mdi_client, frame.handle);
  EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 0);
  RECT after = client_in_frame(frame.mdi_client, frame.handle);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(MdiLayout, AStatusBarTakesTheBottom) {
  HWND status = bar(STATUSCLASSNAMEA, 0);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 1);
  RECT r = client_in_frame(frame.mdi_client, frame.handle);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.bottom, area.bottom - outer_height(status));
}

TEST_F(MdiLayout, ToolBarsTakeTheirSide) {
  struct Case {
    DWORD style;
    int dleft, dtop, dright, dbottom; // 1: by the bar's width or height
  } cases[] = {
      {CCS_TOP, 0, 1, 0, 0},
      {CCS_TOP | CCS_VERT, 1, 0, 0, 0},
      {CCS_BOTTOM, 0, 0, 0, 1},
      {CCS_BOTTOM | CCS_VERT, 0, 0, 1, 0},
  };
  for (const Case& c : cases) {
    HWND tool = bar(TOOLBARCLASSNAMEA, c.style | CCS_NORESIZE);
    ASSERT_NE(tool, nullptr);
    MoveWindow(tool, 0, 0, 40, 30, FALSE);
    EXPECT_EQ(mdi_layout(frame.handle, frame.mdi_client), 1) << c.style;
    RECT r = client_in_frame(frame.mdi_client, frame.handle);
    int w = outer_width(tool), h = outer_height(tool);
    EXPECT_EQ(r.left, c.dleft * w) << std::hex << c.style;
    EXPECT_EQ(r.top, c.dtop * h) << std::hex << c.style;
    EXPECT_EQ(r.right, area.right - c.dright * w) << std::hex << c.style;
    EXPECT_EQ(r.bottom, area.bottom - c.dbottom * h) << std::hex << c.style;
    DestroyWindow(tool);
  }
}
