// The largest document the editor takes: 4 MiB of script in 64,526 lines of
// 63 characters (blanks pad them). Its first line is a title found nowhere
// else; its last one is longer and holds a mark, "ENDMARK", found nowhere
// else. Beside each line of the block it repeats stands the page line that
// Translate makes of it, written out here.
#pragma once

#include <string>

// largest_document(true): the page Translate makes of the document (it drops the padding blanks).
inline std::string largest_document(bool translated = false) {
  const char* block[][2] = {
      {"@html", "</script>"},
      {"<p>Plain HTML paragraph with some text</p>", "<p>Plain HTML paragraph with some text</p>"},
      {"static msg,Hello there", "<p id=\"msg\">Hello there</p>"},
      {"textbox name", "<input type=\"text\" id=\"name\">"},
      {"button greet,Say hello", "<button onclick=\"greet()\">Say hello</button>"},
      {"@script", "<script>"},
      {"def count,0", "var count=0;"},
      {"function greet() {", "function greet() {"},
      {"   inputstr name,who", "who=document.getElementById(\"name\").value;"},
      {"   count = count + 1", "count = count + 1;"},
      {"   rand dice,6", "dice=Math.floor(Math.random()*6);"},
      {"   update msg,\"Hello \" + who", "document.getElementById(\"msg\").innerHTML=\"Hello \" + who;"},
      {"}", "}"},
  };
  const size_t lines = 64526, most = 4u * 1024 * 1024, width = 63;
  std::string text;
  text.reserve(most);
  for (size_t i = 0; i + 1 < lines; ++i) {
    std::string line = i == 0 ? "<!-- The largest document -->" : block[i % (sizeof block / sizeof *block)][translated];
    if (!translated) line.resize(width, ' ');
    text += line + "\r\n";
  }
  std::string last = "// the end mark: ENDMARK";
  last.resize(most - (lines - 1) * (width + 2), '.');
  return text + last + (translated ? "\r\n\r\n" : "");
}
