// New > Blank Page, New > HTML Template and Help > Examples, and the
// modified check that comes first.
#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/examples.h"

const char* const MODIFIED_QUESTION = "Data has been modified.\r\n\r\nDo you want to save the changes?";

bool modified_check() {
  if (!edit_field_modified()) return true;
  switch (msgbox_show(&editor_window, MODIFIED_QUESTION, "Alert", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
  case IDYES: return doc_save_document() == SaveResult::saved;
  case IDNO: return true;
  default: return false; // Cancel, or the box closed: the text stays
  }
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
