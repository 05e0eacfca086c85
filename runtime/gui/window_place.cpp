// Placing, sizing and showing windows and their controls by id.
#include "runtime/gui/gui_internal.h"

namespace {
RECT work_area() {
  RECT r{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

// Moves a span of length len centred on [ref_lo, ref_hi) inside [lo, hi).
int centred(int ref_lo, int ref_hi, int len, int lo, int hi) {
  int p = (ref_lo + ref_hi) / 2 - len / 2;
  if (p < lo)
    p = lo;
  else if (p + len > hi)
    p = hi - len;
  return p;
}
} // namespace

int win_center(Window* record) {
  HWND window = record->handle;
  if (!window) return 0;
  RECT self;
  GetWindowRect(window, &self);
  int w = self.right - self.left;
  int h = self.bottom - self.top;
  RECT bounds, ref;
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) {
    GetClientRect(GetParent(window), &bounds);
    ref = bounds;
  } else {
    bounds = work_area();
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
      GetWindowRect(owner, &ref);
    else
      ref = bounds;
  }
  int x = centred(ref.left, ref.right, w, bounds.left, bounds.right);
  int y = centred(ref.top, ref.bottom, h, bounds.top, bounds.bottom);
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
  return 0;
}

int win_client_size(Window* record, int32_t* x, int32_t* y, int32_t* width, int32_t* height) {
  RECT rc{};
  if (record->handle) GetClientRect(record->handle, &rc);
  *x = 0;
  *y = 0;
  *width = rc.right;
  *height = rc.bottom;
  return 0;
}

HWND gui_control_of(const Window* record, int32_t id) {
  if (!record || !record->handle) return nullptr;
  return GetDlgItem(record->handle, id);
}

int ctl_handle(Window* record, int32_t id) { return gui_control_of(record, id) ? 1 : 0; }

int ctl_move(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, int32_t id) {
  if (!record->handle) return 0;
  HWND target = record->handle;
  if (id) {
    target = GetDlgItem(record->handle, id);
    if (!target) return 0;
  } else {
    ShowWindow(target, SW_SHOWNORMAL);
  }
  MoveWindow(target, x, y, width, height, TRUE);
  return 0;
}

int ctl_show(Window* record, int32_t show_command, int32_t id) {
  if (!record->handle) return 0;
  HWND target = id ? GetDlgItem(record->handle, id) : record->handle;
  if (target) ShowWindow(target, show_command);
  return 0;
}
