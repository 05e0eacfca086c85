// Translate: the editing field's lines, each read whole, as the lines of an
// HTML page file the user names.
#include <cstring>
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "app/file_choice.h"
#include "app/translate/translate.h"

namespace {
constexpr const char* HTML_FILTER = "Html files|*.html|All Files|*.*||";

// The page being built: translated lines joined by line breaks, and the
// encoding the first of them that declares one gives the page.
struct Page {
  std::string text;
  int script_mode = 0;
  int lines = 0;
  PageCharset charset = PageCharset::none;

  void add(const char* source) {
    if (lines++ > 0) text.append("\r\n");
    TempText line(translate_line(source, &script_mode));
    text.append(line.get(), static_cast<size_t>(text_len(line.get())));
    if (charset == PageCharset::none) charset = page_charset_of_line(line.get());
  }
};

int32_t count_of(const char* text, const char* what) {
  int32_t n = 0;
  for (const char* at = std::strstr(text, what); at; at = std::strstr(at + 1, what)) ++n;
  return n;
}

// The field's text cut at its line breaks, when the field breaks its
// lines at carriage return and line feed only (a control may also break at
// a lone line feed): one message in all instead of several per line.
bool add_lines_of_text(Page& page) {
  TempText text(edit_field_text());
  bool same_lines = count_of(text.get(), "\r\n") + 1 == edit_field_line_count();
  if (same_lines) {
    for (const char* start = text.get();;) {
      const char* end = std::strstr(start, "\r\n");
      if (!end) {
        page.add(start);
        break;
      }
      page.add(std::string(start, end).c_str());
      start = end + 2;
    }
  }
  return same_lines;
}

// Line by line as the field itself gives them, each whole.
void add_lines_of_field(Page& page) {
  for (int32_t index = 0; index < edit_field_line_count(); ++index) {
    TempText source(edit_field_line(index));
    page.add(source.get() ? source.get() : "");
  }
}

// One page line for every line of the field and one more for the index
// past the last, which reads as an empty line; each line ends with a line
// break. A page that declares UTF-8 is written in UTF-8, any other in the
// system's code page, as typed.
std::string page_of_field() {
  Page page;
  if (!add_lines_of_text(page)) add_lines_of_field(page);
  page.add("");
  page.text.append("\r\n");
  if (page.charset != PageCharset::utf8) return page.text;
  TempText utf8(text_to_utf8(page.text.c_str()));
  return std::string(utf8.get(), static_cast<size_t>(text_len(utf8.get())));
}
} // namespace

bool translate_field_to(const char* path) { return named_file_write(path, page_of_field(), TRANSLATE_FAILED, "Translate"); }

void translate_script() {
  char* path = nullptr;
  if (output_name_ask("Translate", HTML_FILTER, ".html", &path) != OutputChoice::chosen) return;
  text_global_set(&file_name, path);
  translate_field_to(file_name);
}
