// Reading pixels back for drawing tests: a copy of part of a DC, a bitmap or a window's client area
// in a 32-bit DIB section.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

class Pixels {
public:
  // Copies w x h pixels at x, y of dc.
  Pixels(HDC dc, int x, int y, int w, int h) : width_(w), height_(h), bits_(static_cast<size_t>(w) * h) {
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}; // top-down
    void* data = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &data, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, dc, x, y, SRCCOPY);
    GdiFlush();
    std::memcpy(bits_.data(), data, bits_.size() * 4);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
  }

  // The whole of a bitmap that is selected nowhere.
  static Pixels of_bitmap(HBITMAP bitmap) {
    BITMAP bm = {};
    GetObjectA(bitmap, sizeof bm, &bm);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    Pixels p(memory, 0, 0, bm.bmWidth, bm.bmHeight);
    SelectObject(memory, old);
    DeleteDC(memory);
    return p;
  }

  // What the screen shows of a window's client area.
  static Pixels of_window(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    Pixels p(dc, 0, 0, r.right, r.bottom);
    ReleaseDC(window, dc);
    return p;
  }

  // The colour at x, y as a COLORREF (0x00BBGGRR).
  COLORREF at(int x, int y) const {
    uint32_t v = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // Number of pixels of colour c in the rectangle [left, right) x [top, bottom).
  int count(COLORREF c, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += at(x, y) == c;
    return n;
  }
  int width() const { return width_; }
  int height() const { return height_; }

private:
  int width_, height_;
  std::vector<uint32_t> bits_;
};
