// Start-up of the editor, its main loop and the end of the process.
#include "app/app.h"
#include "app/app_state.h"
#include "app/recovery.h"
#include "runtime/controls/controls.h"

namespace {
constexpr uint32_t EDIT_FIELD_STYLE = WS_VSCROLL | WS_HSCROLL | ES_MULTILINE;
constexpr uint32_t TIMER_MS = 500;

void drawing_set_up() {
  win_set_color(&editor_window, EDITOR_BACK_COLOR);
  win_front_pen(&editor_window, EDITOR_TEXT_COLOR);
  win_back_pen(&editor_window, EDITOR_BACK_COLOR);
  win_set_font(&editor_window, "", 7, 400, 0, 0);
}

void edit_field_create() {
  win_client_size(&editor_window, &client_left, &client_top, &client_width, &client_height);
  ctl_create(&editor_window, KIND_EDIT, "", client_left + GUTTER_WIDTH, client_top, client_width - GUTTER_WIDTH,
             client_height, EDIT_FIELD_STYLE, EDIT_FIELD_ID);
  ctl_set_color(&editor_window, EDIT_FIELD_ID, EDITOR_TEXT_COLOR, EDITOR_BACK_COLOR);
}
} // namespace

bool editor_build() {
  // Opened hidden, built out of sight and shown whole: a shown window would
  // be laid out and drawn again for the field and again for the menu bar,
  // which takes longer than the rest of start-up together.
  win_open(&editor_window, 0, 0, 640, 480, EDITOR_WINDOW_FLAGS | WIN_HIDDEN, nullptr, "Tolvane", editor_handler);
  if (!editor_window.handle) return false;
  // Files dropped on the window come as WM_DROPFILES. The style is what
  // DragAcceptFiles sets, without loading the shell at every start.
  SetWindowLongPtrA(editor_window.handle, GWL_EXSTYLE,
                    GetWindowLongPtrA(editor_window.handle, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  drawing_set_up();
  edit_field_create();
  search_dialog_build();
  menu_bar_build();
  accelerators_add();
  ctl_show(&editor_window, SW_SHOW, 0);
  // The user can start typing at once.
  ctl_set_focus(&editor_window, EDIT_FIELD_ID);
  timer_start(&editor_window, TIMER_MS, 1, nullptr);
  return true;
}

void editor_loop() {
  while (editor_window.handle) {
    gutter_draw();
    recovery_tick();
    msg_wait(0);
  }
}

void app_end_process() {
  dlg_list_free();
  heap_stop();
  ExitProcess(0);
}

std::string start_file_of(const char* command_line) {
  std::string line = command_line ? command_line : "";
  size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  if (line[first] == '"') return line.substr(first + 1, line.find('"', first + 1) - first - 1);
  return line.substr(first, line.find_last_not_of(" \t") + 1 - first);
}

void app_start(const char* command_line) {
  if (!heap_start()) ExitProcess(1);
  player_start();
  if (editor_build()) {
    // After the offer of unsaved text, so that the modified check guards
    // a text restored there.
    recovery_start();
    std::string start_file = start_file_of(command_line);
    if (!start_file.empty()) doc_open(start_file.c_str());
    editor_loop();
  }
  // The window went by another way than Quit: the modified check finds no
  // field, and Quit ends the process.
  app_quit();
  app_end_process();
}
