// Installing a control's subclass procedure and its colour properties.
#include "runtime/controls/controls_internal.h"

int ctl_install(HWND control, int32_t kind) {
  if (!control || !IsWindow(control)) return 0;
  // Installed twice, the control would call itself as its own previous
  // procedure and lose its first brush.
  if (prop_get(control, PROP_LPFN)) return 0;

  const KindColors colors = control_kind_colors(kind);
  const COLORREF background = GetSysColor(colors.background);
  prop_set(control, PROP_FGRND, GetSysColor(COLOR_BTNTEXT));
  prop_set(control, PROP_BGRND, background);
  HBRUSH brush = kind == KIND_SCROLLBAR ? nullptr : CreateSolidBrush(background);
  prop_set(control, PROP_BBRUSH, reinterpret_cast<uintptr_t>(brush));
  if (kind == KIND_HOT_BUTTON) {
    prop_set(control, PROP_HTCLR, background);
    prop_set(control, PROP_BORDERWIDTH, 1);
  }

  prop_set(control, PROP_LPFN, static_cast<uintptr_t>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(colors.proc));

  if ((kind == KIND_BUTTON || kind == KIND_STATIC || kind == KIND_HOT_BUTTON) && ctl_shows_bitmap(control))
    ctl_show_bitmap_from_window_text(control);
  return 0;
}
