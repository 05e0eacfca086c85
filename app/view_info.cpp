// Line Count and Memory Info.
#include "app/view_info.h"

#include "app/app_state.h"
#include "app/edit_field.h"

void line_count_show() {
  TempText count(num_to_text(edit_field_line_count()));
  TempText text(text_concat("Line Count:", count.get()));
  msgbox_show(&editor_window, text.get(), "Alert", 0);
}

void memory_info_show() {
  int32_t limit = edit_field_limit();
  int32_t used = text_len(TempText(edit_field_text()).get());
  TempText l(num_to_text(limit));
  TempText f(num_to_text(limit - used));
  TempText u(num_to_text(used));
  TempText text(text_concat("Limit:", l.get(), " bytes\r\n\r\nFree:", f.get(), " bytes\r\n\r\nUsed:", u.get(), " bytes"));
  msgbox_show(&editor_window, text.get(), "Memory Info", 0);
}
