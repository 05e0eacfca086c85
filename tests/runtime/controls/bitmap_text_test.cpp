#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
// "width x height, colour at 0,0" of a DIB section, or "none".
std::string inspect(HANDLE bitmap) {
  DIBSECTION dib = {};
  if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != static_cast<int>(sizeof dib)) return "none";
  Pixels p = Pixels::of_bitmap(static_cast<HBITMAP>(bitmap));
  return std::to_string(p.width()) + "x" + std::to_string(p.height()) + " " + std::to_string(p.at(0, 0));
}
const std::string kRed = "8x8 255", kGreen = "6x4 65280", kBlue = "5x3 16711680"; // 101, "LOGO", a file

// The bitmap a button or a static control shows.
HANDLE image_of(HWND control) {
  UINT message = lstrcmpiA(class_of(control).c_str(), "Static") == 0 ? STM_GETIMAGE : BM_GETIMAGE;
  return reinterpret_cast<HANDLE>(SendMessageA(control, message, IMAGE_BITMAP, 0));
}
} // namespace

using BitmapText = ControlTest;

TEST_F(BitmapText, TextsNameFilesResourceNumbersAndResourceNames) {
  BitmapFile file("tolvane_bitmap_text.bmp", 5, 3, RGB(0, 0, 255));
  // A number is rounded to the nearest id; 70000 is no 16-bit resource id.
  struct Case { std::string text, want; } cases[] = {
      {file.path(), kBlue}, {"101", kRed}, {"100.6", kRed}, {"#101", kRed}, {"LOGO", kGreen}, {"logo", kGreen},
      {"C:\\no\\such\\file.bmp", "none"}, {"NOSUCHBITMAP", "none"}, {"102", "none"}, {"70000", "none"},
      {"", "none"},
  };
  for (const Case& c : cases) {
    HBITMAP bitmap = bitmap_from_text(c.text.c_str());
    EXPECT_EQ(inspect(bitmap), c.want) << c.text;
    if (bitmap) DeleteObject(bitmap);
  }
  EXPECT_EQ(bitmap_from_text(nullptr), nullptr);
}

TEST_F(BitmapText, BitmapButtonsAndStaticsShowTheirBitmapAtOnceAndFreeIt) {
  BitmapFile file("tolvane_bitmap_create.bmp", 5, 3, RGB(0, 0, 255));
  struct Case { int32_t kind; uint32_t style; const char* text; std::string want; } cases[] = {
      {1, BS_BITMAP, "101", kRed}, {20, BS_BITMAP, "LOGO", kGreen},
      {7, SS_BITMAP, file.path(), kBlue}, {7, SS_BITMAP, "LOGO", kGreen},
  };
  int32_t id = 1;
  for (const Case& c : cases) {
    ctl_create(&w, c.kind, c.text, 10, 10, 40, 40, c.style, id);
    HANDLE image = image_of(child(id));
    EXPECT_EQ(inspect(image), c.want) << c.text;
    DestroyWindow(child(id++));
    EXPECT_FALSE(gdi_alive(image)) << c.text << ": the control frees the bitmap it shows";
  }
}

TEST_F(BitmapText, NewTextLoadsANewBitmapAndFreesTheOldOneAndOtherStylesKeepTheText) {
  BitmapFile file("tolvane_bitmap_settext.bmp", 5, 3, RGB(0, 0, 255));
  ctl_create(&w, 1, "101", 10, 10, 40, 40, BS_BITMAP, 1);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_BITMAP, 2);
  for (int id : {1, 2}) {
    SCOPED_TRACE(id);
    auto image = [&] { return image_of(child(id)); };
    HANDLE first = image();
    ASSERT_EQ(inspect(first), kRed);
    SetWindowTextA(child(id), file.path());
    HANDLE second = image();
    EXPECT_EQ(inspect(second), kBlue);
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

  // Controls without a bitmap style keep their text.
  ctl_create(&w, 1, "101", 10, 10, 40, 40, 0, 11);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_LEFT, 12);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_ENHMETAFILE, 13); // not SS_BITMAP, though it has its bits
  for (int id : {11, 12, 13}) EXPECT_EQ(image_of(child(id)), nullptr) << id;
  SetWindowTextA(child(11), "LOGO");
  EXPECT_EQ(image_of(child(11)), nullptr);
}
