#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {

// The colour most pixels of a control's client area show.
COLORREF main_color(const Pixels& p) {
  COLORREF best = 0;
  int best_count = -1;
  for (COLORREF c : {p.at(p.width() / 2, p.height() - 3), p.at(p.width() - 3, p.height() / 2), p.at(2, 2)}) {
    int n = p.count(c, 0, 0, p.width(), p.height());
    if (n > best_count) best = c, best_count = n;
  }
  return best;
}
} // namespace

using ControlColors = ControlTest;

TEST_F(ControlColors, NewColoursPaintAndTheOldBrushIsDeleted) {
  struct Case { int32_t kind; uint32_t style; const char* text; } cases[] = {
      {1, 0, "OK"}, {5, 0, ""}, {6, CBS_SIMPLE, "combo"}, // an edit field: the editor's, end to end
  };
  int32_t id = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    ctl_create(&w, c.kind, c.text, 10, 10, 200, 80, c.style, id);
    HWND control = child(id++);
    ASSERT_NE(control, nullptr);
    HANDLE old_brush = prop(control, "BBRUSH");
    EXPECT_EQ(ctl_set_color(&w, GetDlgCtrlID(control), kWhite, kBlue), 0);
    EXPECT_FALSE(gdi_alive(old_brush)) << "the replaced brush is deleted";
    EXPECT_EQ(main_color(shown(control)), kBlue);
    // The edit part of a combo box starts empty and takes the combo box's colours.
    HWND text_part = c.kind == 6 ? FindWindowExA(control, nullptr, "Edit", nullptr) : control;
    ASSERT_NE(text_part, nullptr);
    if (c.kind == 6) SetWindowTextA(text_part, c.text);
    Pixels p = shown(text_part);
    EXPECT_EQ(main_color(p), kBlue);
    if (*c.text) {
      EXPECT_GT(p.count(kWhite, 0, 0, p.width(), p.height()), 0) << "white text";
    }
    DestroyWindow(control);
  }
}

TEST_F(ControlColors, ReplacedHotBrushesAndAScrollBarsBrushAreDeleted) {
  ctl_create(&w, 20, "hot", 5, 5, 100, 24, 0, 1);
  ctl_create(&w, 1, "plain", 5, 40, 100, 24, 0, 2);
  ctl_create(&w, 8, "", 5, 80, 200, 20, SBS_HORZ, 3);
  EXPECT_EQ(ctl_set_hot_color(&w, 1, kBlue), 0);
  HANDLE first = prop(child(1), "HBRUSH");
  ctl_set_hot_color(&w, 1, kWhite);
  EXPECT_FALSE(gdi_alive(first)) << "the replaced hot brush is deleted";
  EXPECT_EQ(brush_color(prop(child(1), "HBRUSH")), kWhite);
  ctl_set_hot_color(&w, 2, kBlue);
  EXPECT_EQ(prop(child(2), "HBRUSH"), nullptr) << "a plain button would never free it";

  EXPECT_EQ(prop(child(3), "BBRUSH"), nullptr) << "a scroll bar gets a brush once coloured";
  ctl_set_color(&w, 3, kWhite, kBlue);
  HANDLE brush = prop(child(3), "BBRUSH");
  EXPECT_EQ(brush_color(brush), kBlue);
  DestroyWindow(child(3));
  EXPECT_FALSE(gdi_alive(brush));
}
