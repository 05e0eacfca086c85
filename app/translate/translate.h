// Script translator: turns script source lines into the lines of an HTML page.
#pragma once

#include <functional>
#include <string>

// Translates one source line into one page line (a String temporary the
// caller owns). script_mode is 0 in HTML mode and 1 in script mode; @SCRIPT
// and @HTML lines change it. Never fails and never rejects a line.
char* translate_line(const char* source, int* script_mode);

// The encoding a page line declares in a meta element, if any. The first
// line that declares one decides the page's: a page that declares UTF-8 is
// written in UTF-8, any other in the system's code page, as it was typed.
enum class PageCharset { none, utf8, other };
PageCharset page_charset_of_line(const char* line);


// A page being built from source lines, one page line for each, in order.
struct Page {
  std::string text; // the lines so far, joined by carriage return and line feed
  int script_mode = 0;
  int lines = 0;
  PageCharset charset = PageCharset::none; // from the first line that declares one
};
void page_add_line(Page* page, const char* source);
// The page's bytes: one more empty line for the index past the last source
// line, a line break after every line, in UTF-8 when the page declares it
// and otherwise in the system's code page, as typed. The page's text goes
// into them.
std::string page_finish(Page* page);
// The page of a whole source text whose lines end in carriage return and
// line feed.
std::string page_of_text(const char* text);

// Calls each for every line of text, cut at carriage return and line feed;
// a text without any is one line, an empty text one empty line.
void text_lines_each(const char* text, const std::function<void(const std::string&)>& each);

// The lines of a script whose translation cannot work as written, one
// "Line N: reason" a line, joined by line breaks; empty when there are none.
std::string script_check(const char* text);
