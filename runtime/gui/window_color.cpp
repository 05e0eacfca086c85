// A window's background colour.
#include "runtime/gui/gui_internal.h"

int win_set_color(Window* record, COLORREF color) {
  if (!record->handle) return 0;
  record->back_color = color;
  if (record->backing_flags)
    win_box(record, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), color, color);
  else
    InvalidateRect(record->handle, nullptr, TRUE);
  return 0;
}
