// The subclass procedures the controls get by kind (control_kind_colors):
// most controls, push buttons (kind 1), hot-tracking buttons (kind 20) and
// statics (kind 7). Each answers the reflected colour message with its
// colours and gives back what it owns when it is destroyed.
#include <windows.h>
#include <commctrl.h>

#include "runtime/controls/controls_internal.h"

namespace {
// The notification a typed character is to send instead of reaching the
// control, or 0.
int32_t key_notification(HWND control, WPARAM character) {
  if (character == '\t' && prop_get(control, PROP_NOTIFY_TAB)) return NOTIFY_TAB_CODE;
  if (character == '\r' && prop_get(control, PROP_NOTIFY_ENTER)) return NOTIFY_ENTER_CODE;
  return 0;
}

// The control's colours in the DC; the brush it answers with.
LRESULT answer_colors(HWND control, WPARAM dc) {
  ctl_apply_colors(control, reinterpret_cast<HDC>(dc));
  return reinterpret_cast<LRESULT>(prop_get(control, PROP_BBRUSH));
}

// An owner-drawn button draws itself when its parent reflects WM_DRAWITEM.
void draw_button(HWND button, LPARAM lparam, int hot) {
  const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
  if (item && item->CtlType == ODT_BUTTON && item->hwndItem == button) button_draw(button, item, hot);
}

// WM_DESTROY, once the control gave back what it owns: the previous
// procedure is put back and handles the message.
LRESULT destroy_with_previous(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  WNDPROC previous = ctl_restore_procedure(control);
  return previous ? CallWindowProcA(previous, control, message, wparam, lparam) : 0;
}

// Push buttons and statics: colours, a bitmap their text names, and for
// an owner-drawn button its drawing.
LRESULT text_control_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, bool draws) {
  switch (message) {
  case WM_CREATE:
  case WM_SETTEXT: return ctl_pass_text(hwnd, message, wparam, lparam);
  case MSG_CTLCOLOR: return answer_colors(hwnd, wparam);
  case WM_DRAWITEM:
    if (draws) draw_button(hwnd, lparam, 0);
    break;
  case WM_SETFONT: ctl_note_font(hwnd, wparam); break;
  case WM_DESTROY:
    ctl_release_button_objects(hwnd);
    return destroy_with_previous(hwnd, message, wparam, lparam);
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}

void redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void track_leave(HWND hwnd) {
  TRACKMOUSEEVENT track = {};
  track.cbSize = sizeof track; // 16
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = hwnd;
  TrackMouseEvent(&track);
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

// Colours, Tab and Enter reported to the parent, and clean-up at destruction.
LRESULT CALLBACK ctl_proc_common(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case MSG_CTLCOLOR:
  case WM_CTLCOLOREDIT:    // a combo box's own edit part
  case WM_CTLCOLORLISTBOX: // and its list
    return answer_colors(hwnd, wparam);
  case WM_CHAR:
    if (int32_t code = key_notification(hwnd, wparam)) {
      WPARAM command = MAKEWPARAM(GetDlgCtrlID(hwnd), code);
      SendMessageA(GetParent(hwnd), WM_COMMAND, command, reinterpret_cast<LPARAM>(hwnd));
      return 1;
    }
    break;
  case WM_SETFONT: ctl_note_font(hwnd, wparam); break;
  case WM_DESTROY:
    ctl_release_font(hwnd);
    ctl_release_colors(hwnd);
    RemovePropA(hwnd, PROP_NOTIFY_TAB);
    RemovePropA(hwnd, PROP_NOTIFY_ENTER);
    return destroy_with_previous(hwnd, message, wparam, lparam);
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}

// A push button that redraws in its hot colour while the mouse is over it.
LRESULT CALLBACK ctl_proc_hot_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_CREATE:
  case WM_SETTEXT: return ctl_pass_text(hwnd, message, wparam, lparam);
  case MSG_CTLCOLOR:
    // The drawing paints the whole face; the system paints no background.
    ctl_apply_colors(hwnd, reinterpret_cast<HDC>(wparam));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  case WM_DRAWITEM: draw_button(hwnd, lparam, 1); break;
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
  case WM_DESTROY:
    release_hot_objects(hwnd, ctl_release_button_objects(hwnd));
    return destroy_with_previous(hwnd, message, wparam, lparam);
  }
  return ctl_call_previous(hwnd, message, wparam, lparam);
}

// Push buttons: owner drawing in the control's colours, or a bitmap named
// by the button's text.
LRESULT CALLBACK ctl_proc_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return text_control_proc(hwnd, message, wparam, lparam, true);
}

// Statics: colours, and a bitmap named by the text of a bitmap static.
LRESULT CALLBACK ctl_proc_static(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return text_control_proc(hwnd, message, wparam, lparam, false);
}
