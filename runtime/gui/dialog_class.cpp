// The window class of the runtime's dialogs: a private copy of the system
// dialog class.
#include "runtime/gui/dialog_internal.h"
#include "runtime/gui/gui_internal.h"

namespace {
constexpr ATOM kSystemDialogAtom = 0x8002; // WC_DIALOG
} // namespace

void dlg_register_class() {
  if (gui_dlg_class_atom()) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(nullptr, MAKEINTATOM(kSystemDialogAtom), &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  wc.style &= ~CS_GLOBALCLASS;
  wc.lpfnWndProc = DefDlgProcA;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = nullptr;
  wc.hCursor = nullptr;
  wc.hIconSm = nullptr;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = DLG_CLASS_NAME;
  gui_set_dlg_class_atom(RegisterClassExA(&wc));
}
