// Translate: the editing field's lines, each read whole, as the lines of an
// HTML page file the user names; and Check Script, which reads the same
// lines for what their translation cannot do.
#include <cstring>

#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "app/file_choice.h"
#include "app/translate/translate.h"

namespace {
constexpr const char* HTML_FILTER = "Html files|*.html|All Files|*.*||";

int32_t line_breaks_in(const char* text) {
  int32_t n = 0;
  for (const char* at = std::strchr(text, '\r'); at; at = std::strchr(at + 1, '\r'))
    if (at[1] == '\n') ++n;
  return n;
}
} // namespace

// The field's text cut at its line breaks when the field breaks its lines
// at carriage return and line feed only (a control may also break at a
// lone line feed): one message in all instead of several per line.
// Otherwise line by line as the field itself gives them, each whole.
std::string page_of_field() {
  TempText text(edit_field_text());
  if (line_breaks_in(text.get()) + 1 == edit_field_line_count()) return page_of_text(text.get());
  Page page;
  for (int32_t index = 0; index < edit_field_line_count(); ++index) page_add_line(&page, TempText(edit_field_line(index)).get());
  return page_finish(&page);
}

bool translate_field_to(const char* path) {
  if (!named_file_write(path, page_of_field(), TRANSLATE_FAILED, "Translate")) return false;
  last_page_set(path);
  return true;
}

void translate_script() {
  char* path = nullptr;
  if (output_name_ask("Translate", HTML_FILTER, ".html", &path) != OutputChoice::chosen) return;
  text_global_set(&file_name, path);
  translate_field_to(file_name);
}

void script_check_show() {
  TempText text(edit_field_text());
  std::string report = script_check(text.get());
  msgbox_show(&editor_window, report.empty() ? "No problems found." : report.c_str(), "Check Script", 0);
}
