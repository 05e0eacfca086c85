// The drawing position and the front and back colours of a window.
#include "runtime/gui/draw_internal.h"

int win_move(Window* record, int32_t x, int32_t y) {
  HDC dc = begin_draw(record);
  if (!dc) return 0;
  MoveToEx(dc, x, y, nullptr);
  end_draw(record, dc, 1);
  return 0;
}

int win_front_pen(Window* record, COLORREF color) {
  HDC dc = begin_draw(record);
  if (!dc) return 0;
  HPEN pen = CreatePen(static_cast<int>(record->pen_style), record->pen_width, color);
  if (pen) SelectObject(dc, pen);
  SetTextColor(dc, color);
  end_draw(record, dc, 0);
  settle_selected(record, dc, pen);
  return 0;
}

int win_back_pen(Window* record, COLORREF color) {
  HDC dc = begin_draw(record);
  if (!dc) return 0;
  SetBkColor(dc, color);
  end_draw(record, dc, 1);
  return 0;
}
