// The subclass procedure of most controls: colours, Tab and Enter reported
// to the parent, and clean-up at destruction.
#include "runtime/controls/controls_internal.h"

namespace {
// The notification a typed character is to send instead of reaching the
// control, or 0.
int32_t key_notification(HWND control, WPARAM character) {
  if (character == '\t' && prop_get(control, PROP_NOTIFY_TAB)) return NOTIFY_TAB_CODE;
  if (character == '\r' && prop_get(control, PROP_NOTIFY_ENTER)) return NOTIFY_ENTER_CODE;
  return 0;
}
} // namespace

LRESULT CALLBACK ctl_proc_common(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case MSG_CTLCOLOR:
  case WM_CTLCOLOREDIT:    // a combo box's own edit part
  case WM_CTLCOLORLISTBOX: // and its list
    ctl_apply_colors(hwnd, reinterpret_cast<HDC>(wparam));
    return reinterpret_cast<LRESULT>(prop_get(hwnd, PROP_BBRUSH));
  case WM_CHAR:
    if (int32_t code = key_notification(hwnd, wparam)) {
      WPARAM command = MAKEWPARAM(GetDlgCtrlID(hwnd), code);
      SendMessageA(GetParent(hwnd), WM_COMMAND, command, reinterpret_cast<LPARAM>(hwnd));
      return 1;
    }
    break;
  case WM_SETFONT: ctl_note_font(hwnd, wparam); break;
  case WM_DESTROY: {
    ctl_release_font(hwnd);
    ctl_release_colors(hwnd);
    RemovePropA(hwnd, PROP_NOTIFY_TAB);
    RemovePropA(hwnd, PROP_NOTIFY_ENTER);
    WNDPROC previous = ctl_restore_procedure(hwnd);
    return previous ? CallWindowProcA(previous, hwnd, message, wparam, lparam) : 0;
  }
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}
