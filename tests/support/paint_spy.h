// Watches a window's WM_PAINT messages: records the update rectangle each
// one finds before the window's own procedure paints it.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/support/screen.h"

class PaintSpy {
public:
  explicit PaintSpy(HWND window) : window_(window) {
    SetPropA(window, kProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintSpy::proc)));
  }
  ~PaintSpy() {
    if (!IsWindow(window_)) return;
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(window_, kProperty);
  }
  PaintSpy(const PaintSpy&) = delete;
  PaintSpy& operator=(const PaintSpy&) = delete;

  std::vector<RECT> updates;

private:
  static constexpr const char* kProperty = "TEST_PAINT_SPY";
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    PaintSpy* spy = static_cast<PaintSpy*>(GetPropA(hwnd, kProperty));
    if (message == WM_PAINT) {
      RECT r = {0, 0, 0, 0};
      GetUpdateRect(hwnd, &r, FALSE);
      spy->updates.push_back(r);
    }
    return CallWindowProcA(spy->previous_, hwnd, message, wparam, lparam);
  }
  HWND window_;
  WNDPROC previous_ = nullptr;
};
