// Line Count and Memory Info.
#include "app/view_info.h"

#include "app/app_state.h"
#include "app/documents.h"
#include "runtime/controls/controls.h"

void line_count_show() {
  int32_t lines = ctl_command(&editor_window, EDIT_FIELD_ID, 12, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE);
  char* count = num_to_text(lines);
  char* text = text_concat("Line Count:", count);
  msgbox_show(&editor_window, text, "Alert", 0);
  heap_free(text);
  heap_free(count);
}

void memory_info_show() {
  int32_t limit = field_limit();
  char* field_text = ctl_get_text(&editor_window, EDIT_FIELD_ID);
  int32_t used = text_len(field_text);
  heap_free(field_text);
  char* l = num_to_text(limit);
  char* f = num_to_text(limit - used);
  char* u = num_to_text(used);
  char* text = text_concat("Limit:", l, " bytes\r\n\r\nFree:", f, " bytes\r\n\r\nUsed:", u, " bytes");
  msgbox_show(&editor_window, text, "Memory Info", 0);
  heap_free(text);
  heap_free(u);
  heap_free(f);
  heap_free(l);
}
