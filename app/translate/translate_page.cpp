// A whole page from script source lines: each line translated in turn, the
// page's lines joined by line breaks, and the page's bytes in the encoding
// it declares.
#include <cstring>
#include <utility>

#include "app/translate/translate.h"
#include "runtime/core/core.h"

void page_add_line(Page* page, const char* source) {
  if (page->lines++ > 0) page->text.append("\r\n");
  TempText line(translate_line(source ? source : "", &page->script_mode));
  page->text.append(line.get(), static_cast<size_t>(text_len(line.get())));
  if (page->charset == PageCharset::none) page->charset = page_charset_of_line(line.get());
}

std::string page_finish(Page* page) {
  page_add_line(page, "");
  page->text.append("\r\n");
  if (page->charset != PageCharset::utf8) return std::move(page->text);
  TempText utf8(text_to_utf8(page->text.c_str()));
  return std::string(utf8.get(), static_cast<size_t>(text_len(utf8.get())));
}

void text_lines_each(const char* text, const std::function<void(const std::string&)>& each) {
  std::string line; // one buffer for every line
  for (const char* start = text ? text : "";;) {
    const char* end = std::strstr(start, "\r\n");
    line.assign(start, end ? static_cast<size_t>(end - start) : std::strlen(start));
    each(line);
    if (!end) return;
    start = end + 2;
  }
}

std::string page_of_text(const char* text) {
  Page page;
  size_t size = text ? static_cast<size_t>(text_len(text)) : 0;
  page.text.reserve(size + size / 4);
  text_lines_each(text, [&](const std::string& line) { page_add_line(&page, line.c_str()); });
  return page_finish(&page);
}
