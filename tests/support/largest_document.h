// The largest document the editor takes: 4 MiB of script in 64,526 lines of
// 63 characters (blanks pad them). Its first line is a title found nowhere
// else; its last one is longer and holds a mark, "ENDMARK", found nowhere
// else.
#pragma once

#include <string>

inline std::string largest_document() {
  const char* block[] = {
      "@html", "<p>Plain HTML paragraph with some text</p>", "static msg,Hello there", "textbox name",
      "button greet,Say hello", "@script", "def count,0", "function greet() {", "   inputstr name,who",
      "   count = count + 1", "   rand dice,6", "   update msg,\"Hello \" + who", "}",
  };
  const size_t lines = 64526, most = 4u * 1024 * 1024, width = 63;
  std::string text;
  text.reserve(most);
  for (size_t i = 0; i + 1 < lines; ++i) {
    std::string line = i == 0 ? "<!-- The largest document -->" : block[i % (sizeof block / sizeof *block)];
    line.resize(width, ' ');
    text += line + "\r\n";
  }
  std::string last = "// the end mark: ENDMARK";
  last.resize(most - text.size(), '.');
  return text + last;
}
