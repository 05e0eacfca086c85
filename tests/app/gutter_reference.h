// What the line-number gutter should show: its rows drawn into a bitmap the
// way the editor draws them (the window's 7-point font of the system's
// face, its colours, a row every 16 pixels from y 6), as pixels to compare
// with the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "tests/support/pixels.h"

// The texts of count rows whose first shows first_number.
inline std::vector<std::string> gutter_rows(int first_number, int count) {
  std::vector<std::string> rows;
  for (int i = 0; i < count; ++i) rows.push_back(" " + std::to_string(first_number + i) + "----------");
  return rows;
}

// The 30-pixel strip of a client area height pixels high showing rows.
inline Pixels gutter_expected(int height, const std::vector<std::string>& rows) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, GUTTER_WIDTH, height);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  RECT all = {0, 0, GUTTER_WIDTH, height};
  HBRUSH back = CreateSolidBrush(EDITOR_BACK_COLOR);
  FillRect(dc, &all, back);
  DeleteObject(back);
  LOGFONTA lf = {};
  lf.lfHeight = -MulDiv(7, GetDeviceCaps(screen, LOGPIXELSY), 72);
  lf.lfWeight = 400;
  lf.lfQuality = DRAFT_QUALITY;
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old_font = SelectObject(dc, font);
  SetTextColor(dc, EDITOR_TEXT_COLOR);
  SetBkColor(dc, EDITOR_BACK_COLOR);
  SetBkMode(dc, OPAQUE);
  for (size_t r = 0; r < rows.size(); ++r)
    TextOutA(dc, 1, 16 * static_cast<int>(r + 1) - 10, rows[r].c_str(), static_cast<int>(rows[r].size()));
  Pixels p(dc, 0, 0, GUTTER_WIDTH, height);
  SelectObject(dc, old_font);
  DeleteObject(font);
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

// Pixels in which two pictures of the same size differ.
inline int pixel_differences(const Pixels& a, const Pixels& b) {
  int n = 0;
  for (int y = 0; y < a.height() && y < b.height(); ++y)
    for (int x = 0; x < a.width() && x < b.width(); ++x) n += a.at(x, y) != b.at(x, y);
  return n + (a.width() * a.height() != b.width() * b.height());
}
