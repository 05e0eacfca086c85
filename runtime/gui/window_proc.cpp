// The window procedure of both runtime window classes: messages become
// events for the record's Handler; colour and drawing messages go to the
// controls.
#include "runtime/gui/gui_internal.h"

namespace {
bool is_control_color_message(UINT m) {
  return m >= WM_CTLCOLORMSGBOX && m <= WM_CTLCOLORSTATIC && m != WM_CTLCOLORDLG;
}

LRESULT deliver_with_record(Window* record, HWND hwnd, UINT& message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_SIZE:
    if (record->backing_flags & BACKING_STRETCH) InvalidateRect(hwnd, nullptr, FALSE);
    event_deliver(record, EV_SIZE, wparam, lparam);
    return event_deliver(record, WM_SIZE, wparam, lparam);
  case WM_EXITSIZEMOVE:
    event_deliver(record, EV_SIZE, wparam, lparam);
    return event_deliver(record, WM_EXITSIZEMOVE, wparam, lparam);
  case WM_LBUTTONDOWN:
    SetFocus(hwnd);
    SetActiveWindow(hwnd);
    return event_deliver(record, message, wparam, lparam);
  case WM_CLOSE:
    // From here on the message is the close request, also for default
    // processing: closing a window is the Handler's decision.
    message = EV_CLOSE;
    return event_deliver(record, WM_CLOSE, wparam, lparam);
  default: return event_deliver(record, message, wparam, lparam);
  }
}

LRESULT default_processing(Window* record, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (record && record->mdi_client && static_cast<ATOM>(GetClassWord(hwnd, GCW_ATOM)) == gui_frame_class_atom()) {
    if (message == WM_SIZE && wparam != SIZE_MINIMIZED && mdi_layout(hwnd, record->mdi_client)) return 0;
    return DefFrameProcA(hwnd, record->mdi_client, message, wparam, lparam);
  }
  if (gui_is_mdi_child(hwnd)) return DefMDIChildProcA(hwnd, message, wparam, lparam);
  return DefWindowProcA(hwnd, message, wparam, lparam);
}
} // namespace

bool gui_reflect_to_control(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* answer) {
  if (is_control_color_message(message) && lparam) {
    *answer = SendMessageA(reinterpret_cast<HWND>(lparam), MSG_CTLCOLOR, wparam, lparam);
    return true;
  }
  if (message == WM_DRAWITEM && wparam) {
    if (HWND control = GetDlgItem(hwnd, static_cast<int>(wparam))) {
      *answer = SendMessageA(control, WM_DRAWITEM, wparam, lparam);
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK gui_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* record = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, 0));

  if (message == WM_PAINT) return gui_paint(record, hwnd, wparam, lparam);
  if (message == WM_ERASEBKGND) return gui_erase(record, hwnd, wparam, lparam);
  LRESULT answer = 0;
  if (gui_reflect_to_control(hwnd, message, wparam, lparam, &answer)) {
    // A control without a brush of its own gets the system's colours.
    if (answer || message == WM_DRAWITEM) return answer;
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }

  // A window destroyed other than by win_close (with its parent, say)
  // takes its browser down before its children go.
  if (message == WM_DESTROY && record && record->handle == hwnd) gui_browser_shutdown(record, hwnd);

  LRESULT result = 0;
  if (record) {
    result = deliver_with_record(record, hwnd, message, wparam, lparam);
  } else if (g_creating_record) {
    record = g_creating_record;
    record->handle = hwnd;
    result = event_deliver(record, static_cast<int32_t>(message), wparam, lparam);
    if (message == WM_CLOSE) message = EV_CLOSE;
  }

  if (message == WM_NCDESTROY && record && record->handle == hwnd) {
    // However the window goes (win_close, its parent closing, the system),
    // the record's objects are released once and the record closes.
    gui_close_record(record, hwnd);
    SetWindowLongPtrA(hwnd, 0, 0);
  }
  if (result) return result;

  result = default_processing(record, hwnd, message, wparam, lparam);
  if (message == WM_SETCURSOR && result == 0 && record && LOWORD(lparam) == HTCLIENT &&
      reinterpret_cast<HWND>(wparam) == hwnd)
    SetCursor(record->cursor);
  if (message == WM_SIZE && record && record->browser && record->browser->resize)
    record->browser->resize(hwnd, LOWORD(lparam), HIWORD(lparam));
  return result;
}
