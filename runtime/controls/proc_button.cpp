// The subclass procedure of push buttons (kind 1): owner drawing in the
// control's colours, or a bitmap named by the button's text.
#include "runtime/controls/controls_internal.h"

LRESULT CALLBACK ctl_proc_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_CREATE:
  case WM_SETTEXT: return ctl_pass_text(hwnd, message, wparam, lparam);
  case MSG_CTLCOLOR:
    ctl_apply_colors(hwnd, reinterpret_cast<HDC>(wparam));
    return reinterpret_cast<LRESULT>(prop_get(hwnd, PROP_BBRUSH));
  case WM_DRAWITEM: {
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item && item->CtlType == ODT_BUTTON && item->hwndItem == hwnd) button_draw(hwnd, item, 0);
    break;
  }
  case WM_SETFONT: ctl_note_font(hwnd, wparam); break;
  case WM_DESTROY: {
    ctl_release_button_objects(hwnd);
    WNDPROC previous = ctl_restore_procedure(hwnd);
    return previous ? CallWindowProcA(previous, hwnd, message, wparam, lparam) : 0;
  }
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}
