// The modeless Search dialog: finds the first line, from the top of the
// view downwards, that holds the typed text, ignoring case.
#include "app/app.h"
#include "app/app_state.h"
#include "app/search_dialog.h"
#include "runtime/controls/controls.h"

namespace {
constexpr int32_t FIND_BUTTON_ID = 1;
constexpr int32_t SEARCH_FIELD_ID = 2;

int32_t edit_query(int32_t code) {
  return ctl_command(&editor_window, EDIT_FIELD_ID, code, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE);
}

void found_show(const char* wanted, int32_t index) {
  char* q = text_char(34);
  char* number = num_to_text(index + 1);
  char* text = text_concat(q, wanted, q, " found on line", number);
  msgbox_show(&editor_window, text, "Alert", 0);
  heap_free(text);
  heap_free(number);
  heap_free(q);
}
} // namespace

int32_t search_find(const char* wanted) {
  char* upper_wanted = text_upper(wanted);
  int32_t found = -1;
  // The count is inclusive: the index past the last line reads as empty.
  for (int32_t index = edit_query(8); index <= edit_query(12); ++index) {
    char* line = ctl_line_text(&editor_window, EDIT_FIELD_ID, index);
    char* upper_line = text_upper(line ? line : "");
    bool hit = text_find(upper_line, upper_wanted, 1) != 0;
    heap_free(upper_line);
    heap_free(line);
    if (hit) {
      found = index;
      break;
    }
  }
  heap_free(upper_wanted);
  return found;
}

void search_dialog_build() {
  dlg_create(&search_dialog, 0, 0, 100, 70, 0xC80000, &editor_window, "Search", search_handler);
  ctl_create(&search_dialog, KIND_BUTTON, "Find Next", 25, 45, 55, 20, 0x10000, FIND_BUTTON_ID);
  ctl_create(&search_dialog, KIND_EDIT, "", 15, 15, 70, 20, 0x10080, SEARCH_FIELD_ID);
}

void search_show() {
  // One dialog at a time: a second Search brings the open one forward.
  if (!search_dialog.handle) dlg_show(&search_dialog, nullptr);
  if (search_dialog.handle) SetForegroundWindow(search_dialog.handle);
  ctl_set_focus(&search_dialog, SEARCH_FIELD_ID);
}

int32_t search_handler() {
  switch (event_code) {
  case WM_INITDIALOG: win_center(&search_dialog); break;
  case EV_CLOSE: dlg_close(&search_dialog, 2); break;
  case EV_COMMAND:
    if (event_id == FIND_BUTTON_ID) {
      char* wanted = ctl_get_text(&search_dialog, SEARCH_FIELD_ID);
      int32_t index = search_find(wanted);
      if (index >= 0) found_show(wanted, index);
      heap_free(wanted);
      dlg_close(&search_dialog, 1);
    }
    break;
  default: break;
  }
  return 0;
}
