// Reading and setting a control's text, and the keyboard focus, on any
// Window record, window or dialog.
#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

char* ctl_get_text(Window* record, int32_t id) {
  HWND control = gui_control_of(record, id);
  if (!control) return static_cast<char*>(heap_alloc_or_stop(1));
  int length = GetWindowTextLengthA(control);
  char* text = static_cast<char*>(heap_alloc_or_stop(length + 1));
  GetWindowTextA(control, text, length + 1);
  return text;
}

int ctl_set_text(Window* record, int32_t id, const char* text) {
  if (HWND control = gui_control_of(record, id)) SetWindowTextA(control, text);
  return 0;
}

int ctl_set_focus(Window* record, int32_t id) {
  if (!record->handle) return 0;
  if (id == 0)
    SetFocus(record->handle);
  else if (HWND control = gui_control_of(record, id))
    SetFocus(control);
  return 0;
}
