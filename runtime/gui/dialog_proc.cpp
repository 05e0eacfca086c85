// The dialog procedure of the runtime's dialogs: messages become events for
// the record's Handler, as for windows.
#include "runtime/gui/dialog_internal.h"
#include "runtime/gui/gui_internal.h"

const char* const DLG_RECORD_PROPERTY = "DLGPTR";

GuiHooks gui_hooks = {};

namespace {
constexpr INT_PTR kCloseBoxResult = 2; // what a modal dialog gives when closed by its close box

// The controls of the template exist now: give each its kind's subclass
// and colours (through the controls library's installer), and make the
// flagged push buttons the default.
void initialise_controls(const DialogTemplate* dialog, HWND hwnd) {
  const ControlInstaller install = gui_hooks.install_control;
  for (const ControlItem* item = dialog->controls; item; item = item->next) {
    HWND control = GetDlgItem(hwnd, item->id);
    if (control && install) install(control, item->kind);
    if (item->default_button) SendMessageA(hwnd, DM_SETDEFID, static_cast<WPARAM>(item->id), 0);
  }
}

INT_PTR start_dialog(HWND hwnd, WPARAM wparam, LPARAM lparam) {
  Window* record = g_starting_dialog;
  g_starting_dialog = nullptr;
  if (!record) return TRUE;
  SetPropA(hwnd, DLG_RECORD_PROPERTY, record);
  record->handle = hwnd;
  if (record->dialog) initialise_controls(record->dialog, hwnd);
  event_deliver(record, WM_INITDIALOG, wparam, lparam);
  return TRUE; // the system sets the default focus
}

INT_PTR deliver(Window* record, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_SIZE:
  case WM_EXITSIZEMOVE:
    event_deliver(record, EV_SIZE, wparam, lparam);
    return event_deliver(record, message, wparam, lparam);
  case WM_CLOSE:
    if (!record->dialog || !record->dialog->modeless) EndDialog(hwnd, kCloseBoxResult);
    event_deliver(record, EV_CLOSE, wparam, lparam);
    // Closing is the Handler's decision: the dialog manager must not turn
    // the request into a command of its own.
    return TRUE;
  case WM_DESTROY: RemovePropA(hwnd, DLG_RECORD_PROPERTY); break;
  default: break;
  }
  return event_deliver(record, message, wparam, lparam);
}
} // namespace

INT_PTR CALLBACK dlg_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) return start_dialog(hwnd, wparam, lparam);
  // The controls answer; a WM_DRAWITEM for a control that is not there
  // reaches nobody.
  LRESULT answer = 0;
  if (gui_reflect_to_control(hwnd, message, wparam, lparam, &answer) || (message == WM_DRAWITEM && wparam))
    return answer;

  Window* record = static_cast<Window*>(GetPropA(hwnd, DLG_RECORD_PROPERTY));
  if (!record) return 0;
  if (message == WM_DESTROY && record->handle == hwnd) gui_browser_shutdown(record, hwnd);
  INT_PTR result = deliver(record, hwnd, message, wparam, lparam);
  if (result == 0 && message == WM_SETCURSOR && LOWORD(lparam) == HTCLIENT &&
      reinterpret_cast<HWND>(wparam) == hwnd)
    SetCursor(record->cursor);
  // Pens and fonts drawing left on the record go with the dialog, once.
  if (message == WM_DESTROY && record->handle == hwnd) gui_close_record(record, hwnd);
  return result;
}
