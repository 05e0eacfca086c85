// What the subclass procedures share: calling the previous procedure,
// answering with the control's colours, and giving back what a control owns
// when it is destroyed.
#include "runtime/controls/controls_internal.h"

LRESULT ctl_call_previous(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(prop_get(control, PROP_LPFN));
  return previous ? CallWindowProcA(previous, control, message, wparam, lparam) : 0;
}

void ctl_apply_colors(HWND control, HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(prop_value(control, PROP_FGRND)));
  SetBkColor(dc, static_cast<COLORREF>(prop_value(control, PROP_BGRND)));
}

void ctl_release_colors(HWND control) {
  HANDLE brush = RemovePropA(control, PROP_BBRUSH);
  RemovePropA(control, PROP_BGRND);
  RemovePropA(control, PROP_FGRND);
  if (brush) DeleteObject(brush);
}

void ctl_note_font(HWND control, WPARAM font) { prop_set(control, PROP_OWNFONT, font); }

void ctl_release_font(HWND control) {
  // Not WM_GETFONT: it names the dialog's font in a dialog and a class's
  // own default font in a tree view or status bar, which their owners
  // delete; and a rich edit keeps no handle of the font it was given.
  HANDLE font = RemovePropA(control, PROP_OWNFONT);
  if (font) DeleteObject(font);
}

WNDPROC ctl_restore_procedure(HWND control) {
  WNDPROC previous = reinterpret_cast<WNDPROC>(RemovePropA(control, PROP_LPFN));
  if (previous) SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  return previous;
}
