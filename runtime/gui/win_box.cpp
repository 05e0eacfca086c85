// Rectangles drawn with the window's pen style and width.
#include "runtime/gui/draw_internal.h"

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
