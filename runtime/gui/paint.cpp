// Paint and erase handling of runtime windows (minimal: windows without a
// backing store).
#include "runtime/gui/gui_internal.h"

LRESULT gui_paint(Window* record, HWND hwnd, WPARAM wparam, LPARAM lparam) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  if (record && !record->backing_flags) event_deliver(record, WM_PAINT, wparam, lparam);
  EndPaint(hwnd, &ps);
  return 1;
}

LRESULT gui_erase(Window* record, HWND, WPARAM wparam, LPARAM lparam) {
  HDC dc = reinterpret_cast<HDC>(wparam);
  RECT box;
  GetClipBox(dc, &box);
  rect_fill(dc, box.left, box.top, box.right - box.left, box.bottom - box.top,
            record ? record->back_color : GetSysColor(COLOR_WINDOW));
  if (record) {
    int saved = SaveDC(dc);
    record->paint_dc = dc;
    event_deliver(record, EV_ERASE, wparam, lparam);
    record->paint_dc = nullptr;
    RestoreDC(dc, saved);
  }
  return 1;
}
