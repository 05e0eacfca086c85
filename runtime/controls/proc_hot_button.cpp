// The subclass procedure of hot-tracking buttons (kind 20): a push button
// that redraws in its hot colour while the mouse is over it.
#include <windows.h>
#include <commctrl.h>

#include "runtime/controls/controls_internal.h"

namespace {
void redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void track_leave(HWND hwnd) {
  TRACKMOUSEEVENT track = {};
  track.cbSize = sizeof track; // 16
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = hwnd;
  _TrackMouseEvent(&track);
}

// Everything a hot button owns besides what every button owns. Each
// distinct bitmap is deleted once, however many states share it.
void release_hot_objects(HWND hwnd, HBITMAP already_deleted) {
  HANDLE brush = RemovePropA(hwnd, PROP_HBRUSH);
  if (brush) DeleteObject(brush);
  RemovePropA(hwnd, PROP_DOHOT);
  RemovePropA(hwnd, PROP_HTCLR);
  RemovePropA(hwnd, PROP_BORDERWIDTH);
  HANDLE bitmaps[3] = {RemovePropA(hwnd, PROP_HOTBMP), RemovePropA(hwnd, PROP_NORBMP),
                       RemovePropA(hwnd, PROP_SELBMP)};
  for (int i = 0; i < 3; ++i) {
    bool seen = !bitmaps[i] || bitmaps[i] == already_deleted;
    for (int j = 0; j < i; ++j) seen = seen || bitmaps[j] == bitmaps[i];
    if (!seen) DeleteObject(bitmaps[i]);
  }
}
} // namespace

LRESULT CALLBACK ctl_proc_hot_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_CREATE:
  case WM_SETTEXT: return ctl_pass_text(hwnd, message, wparam, lparam);
  case MSG_CTLCOLOR:
    // The drawing paints the whole face; the system paints no background.
    ctl_apply_colors(hwnd, reinterpret_cast<HDC>(wparam));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  case WM_DRAWITEM: {
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item && item->CtlType == ODT_BUTTON && item->hwndItem == hwnd) button_draw(hwnd, item, 1);
    break;
  }
  case WM_MOUSEMOVE:
    if (!prop_get(hwnd, PROP_DOHOT)) {
      track_leave(hwnd);
      prop_set(hwnd, PROP_DOHOT, 1);
      redraw(hwnd);
    }
    break;
  case WM_MOUSELEAVE:
    RemovePropA(hwnd, PROP_DOHOT);
    redraw(hwnd);
    break;
  case WM_SETFONT: ctl_note_font(hwnd, wparam); break;
  case WM_DESTROY: {
    HBITMAP shown = ctl_release_button_objects(hwnd);
    release_hot_objects(hwnd, shown);
    WNDPROC previous = ctl_restore_procedure(hwnd);
    return previous ? CallWindowProcA(previous, hwnd, message, wparam, lparam) : 0;
  }
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}
