// MDI frames: the remembered MDICLIENT class atom, by which MDI child
// windows are known, and fitting an MDI client beside the tool bars and
// status bars of its frame.
#include <windows.h>
#include <commctrl.h>

#include "runtime/gui/gui_internal.h"

namespace {
// 0 until the first window opens; 0xFFFF after a non-frame window, so that
// a missing parent (class word 0) never matches; the real atom after a frame.
ATOM g_mdi_client_atom = 0;

struct Layout {
  RECT area;
  int found;
};

BOOL CALLBACK fit_bar(HWND child, LPARAM lp) {
  Layout* layout = reinterpret_cast<Layout*>(lp);
  char name[20] = "";
  GetClassNameA(child, name, sizeof name);
  CharUpperA(name);
  RECT b;
  GetWindowRect(child, &b);
  LONG style = GetWindowLongA(child, GWL_STYLE);
  bool vertical = (style & CCS_VERT) != 0;
  if (lstrcmpA(name, "TOOLBARWINDOW32") == 0) {
    if ((style & 3) == CCS_TOP) {
      if (vertical) layout->area.left += b.right - b.left;
      else layout->area.top += b.bottom - b.top;
    } else if ((style & 3) == CCS_BOTTOM) {
      if (vertical) layout->area.right -= b.right - b.left;
      else layout->area.bottom -= b.bottom - b.top;
    }
    layout->found = 1;
  } else if (lstrcmpA(name, "MSCTLS_STATUSBAR32") == 0) {
    layout->area.bottom -= b.bottom - b.top;
    layout->found = 1;
  }
  return TRUE;
}
} // namespace

ATOM gui_mdi_client_atom() { return g_mdi_client_atom; }

void gui_note_window_opened(HWND mdi_client) {
  if (mdi_client)
    g_mdi_client_atom = static_cast<ATOM>(GetClassWord(mdi_client, GCW_ATOM));
  else if (g_mdi_client_atom == 0)
    g_mdi_client_atom = 0xFFFF;
}

bool gui_is_mdi_child(HWND window) {
  HWND parent = GetParent(window);
  return parent && static_cast<ATOM>(GetClassWord(parent, GCW_ATOM)) == g_mdi_client_atom;
}

int mdi_layout(HWND frame, HWND mdi_client) {
  Layout layout{};
  GetClientRect(frame, &layout.area);
  EnumChildWindows(frame, fit_bar, reinterpret_cast<LPARAM>(&layout));
  if (layout.found && mdi_client)
    MoveWindow(mdi_client, layout.area.left, layout.area.top, layout.area.right - layout.area.left,
               layout.area.bottom - layout.area.top, TRUE);
  return layout.found;
}
