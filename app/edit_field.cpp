// The editing field's operations, as control commands on the editor window.
#include "app/edit_field.h"

#include "app/app_state.h"
#include "runtime/controls/controls.h"

namespace {
int32_t command(EditCode code, ValueSlot a1 = 0, uint32_t t1 = VT_NONE, ValueSlot a2 = 0, uint32_t t2 = VT_NONE) {
  return ctl_command(&editor_window, EDIT_FIELD_ID, code, a1, t1, a2, t2, 0, VT_NONE, 0, VT_NONE);
}
} // namespace

char* edit_field_text() { return ctl_get_text(&editor_window, EDIT_FIELD_ID); }

void edit_field_set_text(const char* text) {
  ctl_set_text(&editor_window, EDIT_FIELD_ID, text);
  edit_field_set_unmodified();
}

char* edit_field_line(int32_t index) { return ctl_line_text(&editor_window, EDIT_FIELD_ID, index); }

bool edit_field_modified() { return command(EDIT_MODIFIED) != 0; }
void edit_field_set_unmodified() { command(EDIT_SET_MODIFIED, 0, VT_INT32); }
void edit_field_set_modified() { command(EDIT_SET_MODIFIED, 1, VT_INT32); }
int32_t edit_field_limit() { return command(EDIT_LIMIT); }
void edit_field_set_limit(int32_t limit) { command(EDIT_SET_LIMIT, static_cast<ValueSlot>(limit), VT_INT32); }
int32_t edit_field_line_count() { return command(EDIT_LINE_COUNT); }
int32_t edit_field_first_visible_line() { return command(EDIT_FIRST_VISIBLE_LINE); }

void edit_field_undo() { command(EDIT_UNDO); }
void edit_field_cut() { command(EDIT_CUT); }
void edit_field_copy() { command(EDIT_COPY); }
void edit_field_paste() { command(EDIT_PASTE); }
void edit_field_select_all() { command(EDIT_SELECT, 0, VT_INT32, static_cast<ValueSlot>(-1), VT_INT32); }
