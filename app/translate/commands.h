// The macro commands of a source line, for the translator's own files.
#pragma once

#include "runtime/core/core.h"

enum Command {
  CMD_SCRIPT,
  CMD_HTML,
  CMD_DEF,
  CMD_RAND,
  CMD_PRINT,
  CMD_WRITE,
  CMD_ALERT,
  CMD_STATIC,
  CMD_UPDATE,
  CMD_BUTTON,
  CMD_INPUTSTR,
  CMD_INPUTINT,
  CMD_TEXTBOX,
  CMD_NONE,
};

// A source line stripped of blanks and tabs at both ends, its command (the
// first word, which a blank ends, in any case) and the text after that blank.
struct SourceLine {
  TempText line;
  TempText args;
  Command command = CMD_NONE;
};
SourceLine source_line_of(const char* source);

// The commands whose arguments are split at their first comma.
bool uses_comma_split(Command c);
// The command's word as the user writes it in upper case ("DEF", "@SCRIPT").
const char* command_word(Command c);
