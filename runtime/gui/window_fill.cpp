// Filled areas: a rectangle of one colour (an opaque ExtTextOutA of no
// text), a box drawn with the window's pen style and width, and a window's
// background colour.
#include "runtime/gui/draw_internal.h"

int rect_fill(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color) {
  if (!dc) return 0;
  RECT r = {x, y, x + width, y + height};
  COLORREF old = SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
  SetBkColor(dc, old);
  return 0;
}

int win_box(Window* record, int32_t left, int32_t top, int32_t width, int32_t height,
            COLORREF line_color, COLORREF fill_color) {
  HDC dc = begin_draw(record);
  if (!dc) return 0;
  bool outline_only = line_color == COLOR_NONE || fill_color == COLOR_NONE;
  if (line_color == COLOR_NONE) line_color = GetTextColor(dc);
  GdiObject pen(CreatePen(static_cast<int>(record->pen_style), record->pen_width, line_color));
  GdiObject brush(outline_only ? nullptr : CreateSolidBrush(fill_color));
  if (pen.get()) {
    HGDIOBJ old_pen = SelectObject(dc, pen.get());
    HGDIOBJ old_brush = SelectObject(dc, brush.get() ? brush.get() : GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, left + width, top + height);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
  }
  end_draw(record, dc, 1);
  return 0;
}

int win_set_color(Window* record, COLORREF color) {
  if (!record->handle) return 0;
  record->back_color = color;
  if (record->backing_flags)
    win_box(record, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), color, color);
  else
    InvalidateRect(record->handle, nullptr, TRUE);
  return 0;
}
