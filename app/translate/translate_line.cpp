// One source line in, one page line out.
#include <windows.h>

#include <cstring>
#include <string>

#include "app/translate/commands.h"
#include "app/translate/translate.h"
#include "runtime/core/core.h"

namespace {

// Compared in this order; the first equal word selects the command.
const char* const kCommandWords[] = {
    "@SCRIPT", "@HTML",  "DEF",    "RAND",     "PRINT",    "WRITE",   "ALERT",
    "STATIC",  "UPDATE", "BUTTON", "INPUTSTR", "INPUTINT", "TEXTBOX",
};

// How a text compares with the words the translator knows (letters and
// "@"), equal as lstrcmpA tells equality in the user's locale: a text of
// letters and "@" only is equal to the same bytes; one that holds a digit
// or an ASCII sign (the hyphen and the apostrophe aside) equals none of
// them, since each of those weighs in every locale's comparison; anything
// else is left to the system, whose comparison ignores some characters.
enum class Letters { plain, unlike_any_word, ask };

Letters letters_of(const char* text) {
  bool plain = true;
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
    if (*c >= 0x80 && IsDBCSLeadByte(*c)) return Letters::ask; // its second byte may look like a sign
    bool letter = (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') || *c == '@';
    if (!letter && *c > ' ' && *c < 0x7F && *c != '-' && *c != '\'') return Letters::unlike_any_word;
    plain = plain && letter;
  }
  return plain ? Letters::plain : Letters::ask;
}

bool equals_word(const char* text, Letters letters, const char* word) {
  switch (letters) {
  case Letters::plain: return std::strcmp(text, word) == 0;
  case Letters::unlike_any_word: return false;
  case Letters::ask: break;
  }
  return lstrcmpA(text, word) == 0;
}

// True when the system upper-cases every ASCII letter to its capital, as
// it does in every locale but the Turkic ones (where "i" becomes a dotted
// capital).
bool ascii_capitals() {
  static const bool plain = [] {
    char letters[] = "abcdefghijklmnopqrstuvwxyz";
    CharUpperA(letters);
    return std::strcmp(letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ") == 0;
  }();
  return plain;
}

// The keyword upper-cased as text_upper does it: a text of ASCII letters
// here, when the system would give the same capitals.
std::string upper_of(std::string keyword, Letters letters) {
  if (letters != Letters::plain || !ascii_capitals()) return TempText(text_upper(keyword.c_str())).get();
  for (char& c : keyword)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return keyword;
}

Command classify(const std::string& keyword) {
  // Upper-casing keeps digits and signs: a keyword that holds one is no
  // command in any case.
  Letters letters = letters_of(keyword.c_str());
  if (letters == Letters::unlike_any_word) return CMD_NONE;
  std::string upper = upper_of(keyword, letters);
  letters = letters_of(upper.c_str());
  for (int i = 0; i < CMD_NONE; ++i)
    if (equals_word(upper.c_str(), letters, kCommandWords[i])) return static_cast<Command>(i);
  return CMD_NONE;
}

} // namespace

bool uses_comma_split(Command c) {
  switch (c) {
  case CMD_DEF:
  case CMD_RAND:
  case CMD_STATIC:
  case CMD_UPDATE:
  case CMD_BUTTON:
  case CMD_INPUTSTR:
  case CMD_INPUTINT: return true;
  default: return false;
  }
}

const char* command_word(Command c) { return c < CMD_NONE ? kCommandWords[c] : ""; }

SourceLine source_line_of(const char* source) {
  SourceLine parts;
  while (*source == ' ' || *source == '\t') ++source;
  int32_t length = text_len(source);
  while (length > 0 && (source[length - 1] == ' ' || source[length - 1] == '\t')) --length;
  parts.line.reset(text_left(source, length));
  const char* line = parts.line.get();
  // The keyword is the text before the first blank; a tab does not end it.
  int32_t blank = text_find(line, " ", 1);
  parts.args.reset(blank > 1 ? text_mid(line, blank + 1, -1) : text_dup(""));
  parts.command = classify(blank > 1 ? std::string(line, static_cast<size_t>(blank - 1)) : std::string(line));
  return parts;
}

namespace {

// True when the first n bytes of line are exactly prefix (n = its length).
bool starts_with(const char* line, const char* prefix) {
  TempText start(text_left(line, text_len(prefix)));
  return equals_word(start.get(), letters_of(start.get()), prefix);
}

// In script mode a statement holding "=" gets a semicolon, unless it opens
// an if, for or while (compared exactly, with case).
bool needs_semicolon(const char* line) {
  return text_find(line, "=", 1) != 0 && !starts_with(line, "if") && !starts_with(line, "for") &&
         !starts_with(line, "while");
}

char* expand(Command c, const char* a, const char* b, const char* r) {
  TempText quote(text_char(34));
  const char* q = quote.get();
  char* out = nullptr;
  switch (c) {
  case CMD_SCRIPT: out = text_dup("<script>"); break;
  case CMD_HTML: out = text_dup("</script>"); break;
  case CMD_DEF: out = text_concat("var ", a, "=", b, ";"); break;
  case CMD_RAND: out = text_concat(a, "=Math.floor(Math.random()*", b, ");"); break;
  case CMD_PRINT: out = text_dup(r); break;
  case CMD_WRITE: out = text_concat("document.write(", r, ");"); break;
  case CMD_ALERT: out = text_concat("window.alert(", r, ");"); break;
  case CMD_STATIC: out = text_concat("<p id=", q, a, q, ">", b, "</p>"); break;
  case CMD_UPDATE: out = text_concat("document.getElementById(", q, a, q, ").innerHTML=", b, ";"); break;
  case CMD_BUTTON: out = text_concat("<button onclick=", q, a, "()", q, ">", b, "</button>"); break;
  case CMD_INPUTSTR: out = text_concat(b, "=document.getElementById(", q, a, q, ").value;"); break;
  case CMD_INPUTINT:
    out = text_concat(b, "=parseInt(document.getElementById(", q, a, q, ").value);");
    break;
  case CMD_TEXTBOX: out = text_concat("<input type=", q, "text", q, " id=", q, r, q, ">"); break;
  case CMD_NONE: break;
  }
  return out;
}

} // namespace

char* translate_line(const char* source, int* script_mode) {
  SourceLine parts = source_line_of(source);
  Command command = parts.command;
  const char* line = parts.line.get();
  const char* args = parts.args.get();
  if (command == CMD_NONE) return *script_mode && needs_semicolon(line) ? text_concat(line, ";") : text_dup(line);

  int32_t comma = uses_comma_split(command) ? text_find(args, ",", 1) : 0;
  TempText first(comma > 0 ? text_left(args, comma - 1) : text_dup(""));
  TempText second(comma > 0 ? text_mid(args, comma + 1, -1) : text_dup(args));
  if (command == CMD_SCRIPT) *script_mode = 1;
  if (command == CMD_HTML) *script_mode = 0;
  return expand(command, first.get(), second.get(), args);
}
