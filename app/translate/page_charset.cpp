// The character encoding that a page line declares in a meta element:
// <meta charset="UTF-8"> or the older
// <meta http-equiv="Content-Type" content="text/html; charset=utf-8">.
#include <cctype>
#include <cstring>
#include <string>

#include "app/translate/translate.h"

namespace {
std::string lower(const char* s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}
} // namespace

PageCharset page_charset_of_line(const char* line) {
  // Most lines hold no meta element: they are let go without a copy.
  if (!line || !std::strchr(line, '<')) return PageCharset::none;
  std::string text = lower(line);
  size_t meta = text.find("<meta");
  if (meta == std::string::npos) return PageCharset::none;
  size_t at = text.find("charset", meta);
  if (at == std::string::npos) return PageCharset::none;
  at += 7;
  while (at < text.size() && text[at] == ' ') ++at;
  if (at >= text.size() || text[at] != '=') return PageCharset::none;
  ++at;
  while (at < text.size() && (text[at] == ' ' || text[at] == '"' || text[at] == '\'')) ++at;
  std::string name;
  while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '-' || text[at] == '_'))
    name += text[at++];
  if (name.empty()) return PageCharset::none;
  return name == "utf-8" || name == "utf8" ? PageCharset::utf8 : PageCharset::other;
}
