// The message pump of a program's main loop, and timers.
#include "runtime/gui/gui_internal.h"

namespace {
bool is_runtime_class(ATOM atom) {
  return atom && (atom == gui_wnd_class_atom() || atom == gui_frame_class_atom() ||
                  atom == gui_dlg_class_atom());
}

// The record of the nearest runtime window at or above the message's
// window. A dialog ends the search without one.
Window* record_for_message(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    ATOM atom = static_cast<ATOM>(GetClassWord(w, GCW_ATOM));
    if (!is_runtime_class(atom)) continue;
    if (atom == gui_dlg_class_atom()) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(w, 0));
  }
  return nullptr;
}

bool should_dispatch(MSG& msg) {
  Window* record = record_for_message(msg.hwnd);
  if (!record || !record->handle) {
    HWND active = GetActiveWindow();
    if (active && (GetWindowLongA(active, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageA(active, &msg))
      return false;
    return true;
  }
  // A keystroke an accelerator turned into a command is done with: were it
  // dispatched too, Ctrl+S would also type an "s" into the focused field.
  HACCEL accel = static_cast<HACCEL>(GetPropA(record->handle, ACCEL_PROPERTY));
  if (accel && TranslateAcceleratorA(record->handle, accel, &msg)) return false;
  // A dialog's keys go through the dialog manager, which handles what it takes.
  if (record->dialog_keys && IsDialogMessageA(record->handle, &msg)) return false;
  // A key the browser takes (Tab, arrows, its own shortcuts) goes no further.
  BrowserSite* site = record->browser;
  if (site && msg.message == WM_KEYDOWN && site->translate_key && site->translate_key(record->handle, &msg))
    return false;
  return true;
}
} // namespace

int msg_wait(int no_wait) {
  if (!no_wait) WaitMessage();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (should_dispatch(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return 0;
}

int timer_start(Window* record, uint32_t interval_ms, uint32_t timer_id, TIMERPROC routine) {
  if (record->handle) SetTimer(record->handle, timer_id, interval_ms, routine);
  return 0;
}
