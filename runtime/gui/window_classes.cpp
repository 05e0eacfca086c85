// The runtime's window classes and the lookup of a window's record.
#include "runtime/gui/gui_internal.h"

const char* const WND_CLASS_NAME = "CorvatineWndClass";
const char* const FRAME_CLASS_NAME = "CorvatineFrameClass";
const char* const DLG_CLASS_NAME = "CorvatineDlgClass";

namespace {
ATOM g_wnd_atom = 0;
ATOM g_frame_atom = 0;
ATOM g_dlg_atom = 0;
constexpr int kProgramIcon = 101;

ATOM register_class(const char* name, UINT style, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = gui_window_proc;
  wc.cbWndExtra = sizeof(Window*); // slot 0: the record's address
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
  if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassA(&wc);
}
} // namespace

void gui_register_classes() {
  if (!g_wnd_atom)
    g_wnd_atom = register_class(WND_CLASS_NAME, CS_BYTEALIGNCLIENT | CS_DBLCLKS,
                                static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (!g_frame_atom)
    g_frame_atom = register_class(FRAME_CLASS_NAME, CS_BYTEALIGNWINDOW | CS_DBLCLKS,
                                  reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
}

ATOM gui_wnd_class_atom() { return g_wnd_atom; }
ATOM gui_frame_class_atom() { return g_frame_atom; }
ATOM gui_dlg_class_atom() { return g_dlg_atom; }
void gui_set_dlg_class_atom(ATOM atom) { g_dlg_atom = atom; }

bool gui_is_runtime_window(HWND window) {
  if (!window) return false;
  ATOM atom = static_cast<ATOM>(GetClassWord(window, GCW_ATOM));
  return atom && (atom == g_wnd_atom || atom == g_frame_atom);
}

Window* gui_record_of(HWND window) {
  if (!gui_is_runtime_window(window)) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrA(window, 0));
}
