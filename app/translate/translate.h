// Script translator: turns script source lines into the lines of an HTML page.
#pragma once

// Translates one source line into one page line (a String temporary the
// caller owns). script_mode is 0 in HTML mode and 1 in script mode; @SCRIPT
// and @HTML lines change it. Never fails and never rejects a line.
char* translate_line(const char* source, int* script_mode);

// The encoding a page line declares in a meta element, if any. The first
// line that declares one decides the page's: a page that declares UTF-8 is
// written in UTF-8, any other in the system's code page, as it was typed.
enum class PageCharset { none, utf8, other };
PageCharset page_charset_of_line(const char* line);

