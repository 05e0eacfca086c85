// Filling a rectangle with a colour: an opaque ExtTextOutA of no text.
#include "runtime/gui/gui.h"

int rect_fill(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color) {
  if (!dc) return 0;
  RECT r = {x, y, x + width, y + height};
  COLORREF old = SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
  SetBkColor(dc, old);
  return 0;
}
