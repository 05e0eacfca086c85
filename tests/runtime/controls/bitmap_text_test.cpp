#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);   // resource 101, 8 x 8
constexpr COLORREF kGreen = RGB(0, 255, 0); // resource "LOGO", 6 x 4
constexpr COLORREF kBlue = RGB(0, 0, 255);  // the file of each test, 5 x 3

struct Loaded {
  bool found;
  SIZE size;
  COLORREF color;
};

Loaded inspect(HANDLE bitmap) {
  if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP) return {false, {0, 0}, 0};
  DIBSECTION dib = {};
  EXPECT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib)) << "a DIB section";
  Pixels p = Pixels::of_bitmap(static_cast<HBITMAP>(bitmap));
  return {true, {p.width(), p.height()}, p.at(0, 0)};
}

// The bitmap a button or a static control shows.
HANDLE image_of(HWND control) {
  UINT message = lstrcmpiA(class_of(control).c_str(), "Static") == 0 ? STM_GETIMAGE : BM_GETIMAGE;
  return reinterpret_cast<HANDLE>(SendMessageA(control, message, IMAGE_BITMAP, 0));
}
} // namespace

using BitmapText = ControlTest;

TEST_F(BitmapText, TextsNameFilesResourceNumbersAndResourceNames) {
  BitmapFile file("tolvane_bitmap_text.bmp", 5, 3, kBlue);
  struct Case {
    std::string text;
    bool found;
    int w, h;
    COLORREF color;
  } cases[] = {
      {file.path(), true, 5, 3, kBlue},
      {"101", true, 8, 8, kRed},
      {"100.6", true, 8, 8, kRed}, // a number is rounded to the nearest id
      {"#101", true, 8, 8, kRed},
      {"LOGO", true, 6, 4, kGreen},
      {"logo", true, 6, 4, kGreen},
      {"C:\\no\\such\\file.bmp", false, 0, 0, 0},
      {"NOSUCHBITMAP", false, 0, 0, 0},
      {"102", false, 0, 0, 0},
      {"70000", false, 0, 0, 0}, // no 16-bit resource id
      {"", false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    HBITMAP bitmap = bitmap_from_text(c.text.c_str());
    Loaded got = inspect(bitmap);
    EXPECT_EQ(got.found, c.found);
    if (c.found) {
      EXPECT_EQ(got.size.cx, c.w);
      EXPECT_EQ(got.size.cy, c.h);
      EXPECT_EQ(got.color, c.color);
    }
    if (bitmap) DeleteObject(bitmap);
  }
  EXPECT_EQ(bitmap_from_text(nullptr), nullptr);
}

TEST_F(BitmapText, BitmapButtonsAndStaticsShowTheirBitmapAtOnce) {
  BitmapFile file("tolvane_bitmap_create.bmp", 5, 3, kBlue);
  struct Case {
    int32_t kind;
    uint32_t style;
    const char* text;
    COLORREF color;
  } cases[] = {
      {1, BS_BITMAP, "101", kRed},
      {20, BS_BITMAP, "LOGO", kGreen},
      {7, SS_BITMAP, file.path(), kBlue},
      {7, SS_BITMAP, "LOGO", kGreen},
  };
  int32_t id = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ctl_create(&w, c.kind, c.text, 10, 10, 40, 40, c.style, id);
    HWND control = child(id++);
    ASSERT_NE(control, nullptr);
    HANDLE image = image_of(control);
    Loaded got = inspect(image);
    EXPECT_TRUE(got.found);
    EXPECT_EQ(got.color, c.color);
    DestroyWindow(control);
    EXPECT_FALSE(gdi_alive(image)) << "the control frees the bitmap it shows";
  }
}

TEST_F(BitmapText, NewTextLoadsANewBitmapAndFreesTheOldOne) {
  BitmapFile file("tolvane_bitmap_settext.bmp", 5, 3, kBlue);
  ctl_create(&w, 1, "101", 10, 10, 40, 40, BS_BITMAP, 1);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_BITMAP, 2);
  for (int id : {1, 2}) {
    SCOPED_TRACE(id);
    auto image = [&] { return image_of(child(id)); };
    HANDLE first = image();
    ASSERT_EQ(inspect(first).color, kRed);
    SetWindowTextA(child(id), file.path());
    HANDLE second = image();
    EXPECT_EQ(inspect(second).color, kBlue);
    EXPECT_FALSE(gdi_alive(first));
    if (id == 1) {
      char text[MAX_PATH] = "";
      GetWindowTextA(child(id), text, sizeof text);
      EXPECT_STREQ(text, file.path()) << "the button stores the text as usual";
    }
    SetWindowTextA(child(id), "NOSUCHBITMAP");
    EXPECT_EQ(image(), nullptr) << "a bitmap that cannot be loaded leaves none";
    EXPECT_FALSE(gdi_alive(second));
  }
}

TEST_F(BitmapText, ControlsWithoutABitmapStyleKeepTheirText) {
  ctl_create(&w, 1, "101", 10, 10, 40, 40, 0, 1);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_LEFT, 2);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_ENHMETAFILE, 3); // not SS_BITMAP, though it has its bits
  for (int id : {1, 2, 3}) EXPECT_EQ(image_of(child(id)), nullptr) << id;
  SetWindowTextA(child(1), "LOGO");
  EXPECT_EQ(image_of(child(1)), nullptr);
}
