// The least a window program like the editor does at start: a window with
// a menu bar and a multi-line edit field, shown, then its message loop. It
// carries the editor's manifest. editor_bench starts it beside the editor
// and notepad: the floor under the editor's start-up on this machine.
#include <windows.h>

namespace {
LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND || message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = "BareWindow";
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&window_class);
  HMENU bar = CreateMenu();
  for (int i = 0; i < 6; ++i) {
    HMENU menu = CreatePopupMenu();
    for (int item = 0; item < 8; ++item) AppendMenuA(menu, MF_STRING, 100 + 10 * i + item, "Item");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "Menu");
  }
  HWND window = CreateWindowExA(0, "BareWindow", "Bare", WS_OVERLAPPEDWINDOW, 100, 100, 640, 480, nullptr, bar,
                                instance, nullptr);
  CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, 30, 0, 600, 400,
                  window, reinterpret_cast<HMENU>(1), instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
