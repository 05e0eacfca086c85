// Script translator: turns script source lines into the lines of an HTML page.
#pragma once

// Translates one source line into one page line (a String temporary the
// caller owns). script_mode is 0 in HTML mode and 1 in script mode; @SCRIPT
// and @HTML lines change it. Never fails and never rejects a line.
char* translate_line(const char* source, int* script_mode);
