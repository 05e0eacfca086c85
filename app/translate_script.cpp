// Translate: the editing field's lines, each read whole, as the lines of an
// HTML page file the user names; and Check Script, which reads the same
// lines for what their translation cannot do.
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "app/file_choice.h"
#include "app/translate/translate.h"

namespace {
constexpr const char* HTML_FILTER = "Html files|*.html|All Files|*.*||";
} // namespace

// The field's lines as the field cuts them, read in one message where its
// text tells them (line by line from the field otherwise), each whole.
std::string page_of_field() {
  Page page;
  FieldLines field;
  if (edit_field_lines(&field)) {
    page.text.reserve(static_cast<size_t>(text_len(field.text.get())) * 5 / 4);
    std::string line; // one buffer for every line
    for (const LineSpan& span : field.lines) {
      line.assign(field.text.get() + span.start, static_cast<size_t>(span.length));
      page_add_line(&page, line.c_str());
    }
  } else {
    for (int32_t index = 0; index < edit_field_line_count(); ++index) page_add_line(&page, TempText(edit_field_line(index)).get());
  }
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
