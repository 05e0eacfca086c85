// The script run window: a translated page shown by a browser in a child
// window over the editor's whole client area, while the editing field is
// hidden and the gutter rests. At most one is open; script_running says
// whether it is. Execute runs a page the user picks, Run the page of the
// editing field.
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/menu_ids.h"
#include "runtime/browser/browser.h"

namespace {
// A thin border, no caption, no backing picture.
constexpr uint32_t RUN_WINDOW_FLAGS = WS_BORDER | WIN_NO_CAPTION | WIN_NO_BACKING;
const char* const EXECUTE_FILTER = "Html files|*.html|All Files|*.*||";

// The run window shows the page that Run made of the field.
bool run_from_field = false;
// The page the run window was sent to last.
std::string run_path;

void edit_field_show(int32_t show) { ctl_show(&editor_window, show, EDIT_FIELD_ID); }
} // namespace

void run_window_show(const char* path) {
  run_path = path;
  TempText title(text_concat("Executing ", path));
  if (script_running == 1 && run_window.handle) { // Run again: the same window shows the new page
    SetWindowTextA(run_window.handle, title.get());
    page_show(&run_window, path, true);
    return;
  }
  win_open(&run_window, client_left, client_top, client_width, client_height, RUN_WINDOW_FLAGS, &editor_window,
           title.get(), run_handler);
  if (!run_window.handle) { // nothing to run in: the editing field stays
    script_running = 0;
    edit_field_show(SW_SHOWNORMAL);
    return;
  }
  script_running = 1;
  // F5 runs the field again also while the page has the keyboard.
  accel_add(&run_window, FVIRTKEY, VK_F5, MENU_RUN);
  page_browser_attach(&run_window);
  edit_field_show(SW_HIDE);
  page_show(&run_window, path, true);
}

void script_execute() {
  if (script_running == 1) win_close(&run_window);
  text_global_set(&file_name, file_request("Execute", &editor_window, 1, EXECUTE_FILTER, nullptr, 0, nullptr));
  if (text_len(file_name) == 0) {
    script_running = 0;
    edit_field_show(SW_SHOWNORMAL);
    return;
  }
  run_from_field = false;
  last_page_set(file_name);
  run_window_show(file_name);
}

void script_run() {
  std::string path = run_page_write();
  if (path.empty()) return;
  run_from_field = true;
  run_window_show(path.c_str());
}

// After Run the field is translated again, so an edit shows at once; a
// page the browser control could not show is tried again.
void script_restart() {
  if (run_from_field)
    script_run();
  else if (page_cannot_show(&run_window))
    page_show(&run_window, run_path.c_str(), true);
  else
    browser_command(&run_window, BROWSER_REFRESH);
}

void script_kill() {
  script_running = 0;
  win_close(&run_window);
  edit_field_show(SW_SHOWNORMAL);
}

int32_t run_handler() {
  if (event_code == EV_CLOSE && script_running == 1) script_kill();
  if (event_code == EV_MENU && event_menu_id == MENU_RUN) script_run();
  if (event_code == EV_BROWSER_NAVIGATE_ERROR) page_refused(&run_window, true);
  if (event_code == EV_COMMAND && event_id == MENU_OPEN_IN_BROWSER) page_open_in_browser();
  return 0;
}
