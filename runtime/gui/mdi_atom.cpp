// The remembered MDICLIENT class atom, by which MDI child windows are known.
#include "runtime/gui/gui_internal.h"

namespace {
// 0 until the first window opens; 0xFFFF after a non-frame window, so that
// a missing parent (class word 0) never matches; the real atom after a frame.
ATOM g_mdi_client_atom = 0;
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
