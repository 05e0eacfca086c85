// New > Blank Page, New > HTML Template and Help > Examples, and the
// modified check that comes first.
#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/examples.h"

bool modified_check() {
  if (!edit_field_modified()) return true;
  msgbox_show(&editor_window, "Data has been modified.", "Alert", 0);
  switch (doc_save_document()) {
  case SaveResult::saved:
  case SaveResult::cancelled: return true; // a cancelled requester discards the changes
  case SaveResult::declined:
  case SaveResult::failed: return false;
  }
  return false;
}

void doc_new_blank() {
  if (!modified_check()) return;
  edit_field_set_text("");
}

char* html_template_text() {
  TempText quote(text_char(34));
  const char* q = quote.get();
  return text_concat("<!DOCTYPE html>\r\n\r\n", "<html>\r\n\r\n", "<head>\r\n\r\n",       //
                     "<meta charset=", q, "UTF-8", q, ">\r\n\r\n",                        //
                     "<meta name=", q, "author", q, " content=", q, q, ">\r\n",           //
                     "<meta name=", q, "description", q, " content=", q, q, ">\r\n",      //
                     "<meta name=", q, "keywords", q, " content=", q, q, ">\r\n\r\n",     //
                     "<title></title>\r\n\r\n", "</head>\r\n\r\n", "<body>\r\n\r\n", "\r\n", //
                     "</body>\r\n\r\n", "</html>");
}

void doc_new_template() {
  if (!modified_check()) return;
  edit_field_set_text(TempText(html_template_text()).get());
}

void example_load(int32_t menu_id) {
  const Example* example = example_of(menu_id);
  if (!example || !modified_check()) return;
  edit_field_set_text(example->script);
}
