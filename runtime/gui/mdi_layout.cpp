// Fitting an MDI client beside the tool bars and status bars of its frame.
#include <windows.h>
#include <commctrl.h>

#include "runtime/gui/gui.h"

namespace {
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

int mdi_layout(HWND frame, HWND mdi_client) {
  Layout layout{};
  GetClientRect(frame, &layout.area);
  EnumChildWindows(frame, fit_bar, reinterpret_cast<LPARAM>(&layout));
  if (layout.found && mdi_client)
    MoveWindow(mdi_client, layout.area.left, layout.area.top, layout.area.right - layout.area.left,
               layout.area.bottom - layout.area.top, TRUE);
  return layout.found;
}
