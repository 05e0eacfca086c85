// Giving a control new colours, and a hot-tracking button its hot colour.
#include "runtime/controls/controls_internal.h"

namespace {
// The runtime-installed control with this id, or null. A control that was
// never installed would not free a brush given to it.
HWND installed_control(Window* window, int32_t id) {
  if (!window || !window->handle) return nullptr;
  HWND control = GetDlgItem(window->handle, id);
  return control && prop_get(control, PROP_LPFN) ? control : nullptr;
}

void replace_brush(HWND control, const char* name, COLORREF color) {
  HANDLE old = prop_get(control, name);
  prop_set(control, name, reinterpret_cast<uintptr_t>(CreateSolidBrush(color)));
  if (old) DeleteObject(old);
}

void repaint(HWND control) {
  // With its children: a combo box paints through its edit and list parts.
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
} // namespace

int ctl_set_color(Window* window, int32_t id, COLORREF text_color, COLORREF back_color) {
  HWND control = installed_control(window, id);
  if (!control) return 0;
  prop_set(control, PROP_FGRND, text_color);
  prop_set(control, PROP_BGRND, back_color);
  replace_brush(control, PROP_BBRUSH, back_color);
  repaint(control);
  return 0;
}

int ctl_set_hot_color(Window* window, int32_t id, COLORREF hot_color) {
  HWND control = installed_control(window, id);
  // Only a hot-tracking button draws (and frees) a hot brush.
  if (!control || GetWindowLongPtrA(control, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ctl_proc_hot_button))
    return 0;
  prop_set(control, PROP_HTCLR, hot_color);
  replace_brush(control, PROP_HBRUSH, hot_color);
  repaint(control);
  return 0;
}
