// A window that shows pages, the run window's and the player's: its
// browser, asked for the newest document mode first, and what the window
// says in the page's place where the browser control cannot show pages (it
// refuses the navigation or reports that it failed, as Wine does for every
// page without its HTML engine).
#include "app/app.h"
#include "app/menu_ids.h"
#include "runtime/browser/browser.h"
#include "runtime/controls/controls.h"

namespace {
const char* const CANNOT_SHOW = "This system's web browser control cannot show pages.";
const char* const USE_BROWSER = "Use Script > Open in Browser to see this page in your web browser.";
constexpr int32_t CANNOT_SHOW_ID = 0x7E01;
constexpr int32_t USE_BROWSER_ID = 0x7E02;
// The button sends what the menu item sends.
constexpr int32_t BUTTON_ID = MENU_OPEN_IN_BROWSER;
constexpr int32_t SAYING_IDS[] = {CANNOT_SHOW_ID, USE_BROWSER_ID, BUTTON_ID};

bool is_saying(HWND child) {
  for (int32_t id : SAYING_IDS)
    if (GetDlgCtrlID(child) == id) return true;
  return false;
}

// The control's own windows: hidden while the window speaks in their place.
void control_show(HWND window, int show) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!is_saying(child)) ShowWindow(child, show);
}

void saying_close(Window* window) {
  for (int32_t id : SAYING_IDS)
    if (HWND child = gui_control_of(window, id)) DestroyWindow(child);
  control_show(window->handle, SW_SHOW);
}
} // namespace

int32_t page_browser_attach(Window* window) {
  browser_mode_ensure();
  return browser_attach(window, "");
}

void page_show(Window* window, const char* path, bool offer_browser) {
  if (page_cannot_show(window)) saying_close(window);
  if (!window->browser) page_refused(window, offer_browser);
  browser_command(window, BROWSER_NAVIGATE, path);
}

void page_refused(Window* window, bool offer_browser) {
  if (!window->handle || page_cannot_show(window)) return;
  control_show(window->handle, SW_HIDE);
  ctl_create(window, KIND_STATIC, CANNOT_SHOW, 16, 16, 600, 20, 0, CANNOT_SHOW_ID);
  ctl_create(window, KIND_STATIC, USE_BROWSER, 16, 40, 600, 20, 0, USE_BROWSER_ID);
  if (offer_browser)
    ctl_create(window, KIND_PLAIN_BUTTON, "Open in Browser", 16, 72, 130, 28, BS_PUSHBUTTON, BUTTON_ID);
  for (int32_t id : SAYING_IDS) win_set_font(window, "Tahoma", 9, FW_NORMAL, 0, id);
}

bool page_cannot_show(const Window* window) { return gui_control_of(window, CANNOT_SHOW_ID) != nullptr; }
