// The modeless Search dialog: finds the first line, from the top of the
// view downwards, that holds the typed text, ignoring case.
#include <string_view>

#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "app/search_dialog.h"
#include "runtime/controls/controls.h"

namespace {
constexpr int32_t FIND_BUTTON_ID = 1;
constexpr int32_t SEARCH_FIELD_ID = 2;

void found_show(const char* wanted, int32_t index) {
  TempText q(text_char(34));
  TempText number(num_to_text(index + 1));
  TempText text(text_concat(q.get(), wanted, q.get(), " found on line", number.get()));
  msgbox_show(&editor_window, text.get(), "Alert", 0);
}

bool line_holds(const char* line, const char* upper_wanted) {
  TempText upper_line(text_upper(line));
  return text_find(upper_line.get(), upper_wanted, 1) != 0;
}
} // namespace

int32_t search_find(const char* wanted) {
  TempText upper_wanted(text_upper(wanted));
  int32_t first = edit_field_first_visible_line();
  // The field's text read once: a message for each line would take seconds
  // on a long document. It is upper-cased whole: line breaks stay as they
  // are, so each line comes out as it would upper-cased alone.
  FieldLines field;
  if (edit_field_lines(&field)) {
    if (*upper_wanted.get() == 0) return -1;
    char* text = field.text.get();
    CharUpperBuffA(text, static_cast<DWORD>(text_len(text)));
    for (size_t index = static_cast<size_t>(first); index < field.lines.size(); ++index) {
      std::string_view line(text + field.lines[index].start, static_cast<size_t>(field.lines[index].length));
      if (line.find(upper_wanted.get()) != std::string_view::npos) return static_cast<int32_t>(index);
    }
    return -1; // the index past the last line reads as empty and holds nothing
  }
  // The count is inclusive: the index past the last line reads as empty.
  for (int32_t index = first; index <= edit_field_line_count(); ++index) {
    TempText line(edit_field_line(index));
    if (line_holds(line.get() ? line.get() : "", upper_wanted.get())) return index;
  }
  return -1;
}

void search_dialog_build() {
  dlg_create(&search_dialog, 0, 0, 100, 70, WS_CAPTION | WS_SYSMENU, &editor_window, "Search", search_handler);
  ctl_create(&search_dialog, KIND_BUTTON, "Find Next", 25, 45, 55, 20, WS_TABSTOP, FIND_BUTTON_ID);
  ctl_create(&search_dialog, KIND_EDIT, "", 15, 15, 70, 20, WS_TABSTOP | ES_AUTOHSCROLL, SEARCH_FIELD_ID);
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
      TempText wanted(ctl_get_text(&search_dialog, SEARCH_FIELD_ID));
      int32_t index = search_find(wanted.get());
      if (index >= 0) found_show(wanted.get(), index);
      dlg_close(&search_dialog, 1);
    }
    break;
  default: break;
  }
  return 0;
}
