// What the screen shows: rectangles as text, where a window stands, the test colours,
// and pixels read back from a DC or a window into a 32-bit DIB section.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

// "left,top-right,bottom", for comparing rectangles in test messages.
inline std::string rect_text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// A window's rectangle in its parent's (or owner's, or another given window's) client area;
// on the screen for a top-level window.
inline RECT place_of(HWND w, HWND in = nullptr) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, in ? in : GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

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
  // What a window of this process shows of its client area.
  static Pixels of_window(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    Pixels p(dc, 0, 0, r.right, r.bottom);
    ReleaseDC(window, dc);
    return p;
  }
  // What the screen shows of any window's client area (of its left width columns, when given).
  static Pixels on_screen(HWND window, int width = 0) {
    RECT r;
    GetClientRect(window, &r);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    Pixels p(screen, origin.x, origin.y, width ? width : r.right, r.bottom);
    ReleaseDC(nullptr, screen);
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
  bool operator==(const Pixels& o) const {
    if (width_ != o.width_ || height_ != o.height_) return false;
    for (size_t i = 0; i < bits_.size(); ++i)
      if ((bits_[i] ^ o.bits_[i]) & 0xFFFFFF) return false;
    return true;
  }
  int width() const { return width_; }
  int height() const { return height_; }

private:
  int width_, height_;
  std::vector<uint32_t> bits_;
};
