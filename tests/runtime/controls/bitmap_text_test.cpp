#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
// "width x height, colour at 0,0" of a DIB section, or "none".
std::string inspect(HANDLE bitmap) {
  DIBSECTION dib = {};
  if (!bitmap || GetObjectA(bitmap, sizeof dib, &dib) != static_cast<int>(sizeof dib)) return "none";
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  std::string colour = std::to_string(GetPixel(dc, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  return std::to_string(dib.dsBm.bmWidth) + "x" + std::to_string(dib.dsBm.bmHeight) + " " + colour;
}
const std::string k101 = "8x8 255", kFile = "5x3 16711680"; // red and blue

// The bitmap a button or a static control shows.
HANDLE image_of(HWND control) {
  UINT message = lstrcmpiA(class_of(control).c_str(), "Static") == 0 ? STM_GETIMAGE : BM_GETIMAGE;
  return reinterpret_cast<HANDLE>(SendMessageA(control, message, IMAGE_BITMAP, 0));
}
} // namespace

using BitmapText = ControlTest;

// Each control frees the bitmap it shows when it shows another, and when it goes.
TEST_F(BitmapText, BitmapControlsShowTheBitmapOfTheirTextAndFreeItWhenReplacedOrGone) {
  const std::string file = blue_bitmap_file();
  ctl_create(&w, 1, "101", 10, 10, 40, 40, BS_BITMAP, 1);
  ctl_create(&w, 7, "101", 60, 10, 40, 40, SS_BITMAP, 2);
  ctl_create(&w, 20, "101", 110, 10, 40, 40, BS_BITMAP, 3);
  for (int id : {1, 2, 3}) {
    SCOPED_TRACE(id);
    HANDLE first = image_of(child(id));
    ASSERT_EQ(inspect(first), k101) << "shown at once";
    SetWindowTextA(child(id), "NOSUCHBITMAP");
    EXPECT_EQ(image_of(child(id)), nullptr) << "a bitmap that cannot be loaded leaves none";
    EXPECT_FALSE(gdi_alive(first));
    SetWindowTextA(child(id), file.c_str());
    HANDLE second = image_of(child(id));
    EXPECT_EQ(inspect(second), kFile);
    char text[MAX_PATH] = "";
    GetWindowTextA(child(id), text, sizeof text);
    if (id != 2) {
      EXPECT_EQ(text, file) << "a button stores the text as usual";
    }
    DestroyWindow(child(id));
    EXPECT_FALSE(gdi_alive(second));
  }
}
