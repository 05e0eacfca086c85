// Message boxes centred on their owner window (or on the desktop): a thread
// CBT hook that lives for one MessageBoxA moves each pop-up it sees created.
//
// Some systems (Wine among them) lay the box out and place it again while it
// initialises, or do not take a hook's changes to the creation data at all.
// So the hook also remembers the windows it placed and, when one of them is
// first activated (laid out by then, and being shown to the user), places it
// once more with its final size. Where the creation data was honoured this
// changes nothing.
#include "runtime/gui/gui.h"

namespace {

HHOOK msgbox_hook;

struct Placed {
  HWND window;
  HWND reference; // the parent named at creation, or null for the desktop
};
constexpr int PLACED_SLOTS = 8;
Placed placed[PLACED_SLOTS]; // windows placed at creation, not yet activated
int placed_next;             // slot for the next one, round the ring

// Centres a window of size cx by cy on the reference window and keeps it
// inside the work area on the right and bottom; the lower bound is 0.
POINT centred_position(HWND reference, int cx, int cy) {
  RECT work = {0, 0, 0, 0};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT r = {0, 0, 0, 0};
  GetWindowRect(reference ? reference : GetDesktopWindow(), &r);
  LONG x = (r.right - r.left - cx) / 2 + r.left;
  LONG y = (r.bottom - r.top - cy) / 2 + r.top;
  if (x < 0)
    x = 0;
  else if (x + cx > work.right)
    x = work.right - cx;
  if (y < 0)
    y = 0;
  else if (y + cy > work.bottom)
    y = work.bottom - cy;
  return POINT{x, y};
}

void remember_placed(HWND window, HWND reference) {
  placed[placed_next] = Placed{window, reference};
  placed_next = (placed_next + 1) % PLACED_SLOTS;
}

void place_again(HWND window) {
  for (Placed& p : placed) {
    if (p.window != window || !window)
      continue;
    HWND reference = p.reference && IsWindow(p.reference) ? p.reference : nullptr;
    p = Placed{nullptr, nullptr};
    RECT now;
    if (!GetWindowRect(window, &now))
      return;
    POINT at = centred_position(reference, now.right - now.left, now.bottom - now.top);
    if (at.x != now.left || at.y != now.top)
      SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
    return;
  }
}

LRESULT CALLBACK msgbox_cbt_proc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
    if (create->style & (WS_POPUP | WS_DLGFRAME)) {
      POINT at = centred_position(create->hwndParent, create->cx, create->cy);
      create->x = at.x;
      create->y = at.y;
      remember_placed(reinterpret_cast<HWND>(wparam), create->hwndParent);
      return 0;
    }
  } else if (code == HCBT_ACTIVATE) {
    place_again(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(msgbox_hook, code, wparam, lparam);
}

} // namespace

int msgbox_show(Window* owner, const char* text, const char* caption, uint32_t style) {
  if (style == 0)
    style = MB_OK | MB_ICONEXCLAMATION;
  HWND owner_window = owner ? owner->handle : nullptr;
  // A Handler re-entered while the box is up may show a box of its own; the
  // outer hook handle comes back when that one closes.
  HHOOK outer = msgbox_hook;
  HHOOK hook = SetWindowsHookExA(WH_CBT, msgbox_cbt_proc, nullptr, GetCurrentThreadId());
  msgbox_hook = hook;
  int answer = MessageBoxA(owner_window, text, caption, style);
  if (hook)
    UnhookWindowsHookEx(hook);
  msgbox_hook = outer;
  for (Placed& p : placed)
    p = Placed{nullptr, nullptr};
  return answer;
}
