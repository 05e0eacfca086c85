// Check Script: the lines whose translation cannot work as written. It
// reads the source only; translation itself never refuses a line.
#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "app/translate/commands.h"
#include "app/translate/translate.h"

namespace {
struct Problem {
  int line;
  std::string reason;
};

bool yields_statement(Command c) {
  switch (c) {
  case CMD_DEF:
  case CMD_RAND:
  case CMD_WRITE:
  case CMD_ALERT:
  case CMD_UPDATE:
  case CMD_INPUTSTR:
  case CMD_INPUTINT: return true;
  default: return false;
  }
}

bool yields_element(Command c) { return c == CMD_STATIC || c == CMD_BUTTON || c == CMD_TEXTBOX; }

bool name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

bool is_name(const std::string& s) {
  return !s.empty() && !std::isdigit(static_cast<unsigned char>(s[0])) && std::all_of(s.begin(), s.end(), name_char);
}

std::string trimmed(const std::string& s) {
  size_t from = s.find_first_not_of(" \t");
  if (from == std::string::npos) return "";
  return s.substr(from, s.find_last_not_of(" \t") - from + 1);
}

size_t skip_blanks(const std::string& s, size_t at) {
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  return at;
}

size_t name_end(const std::string& s, size_t at) {
  while (at < s.size() && name_char(s[at])) ++at;
  return at;
}

// The names a line defines: "function NAME(", "NAME = ..." with or without
// var, let or const before it, and DEF NAME,value.
void add_defined_names(const std::string& line, Command command, const std::string& args, std::set<std::string>* names) {
  if (command == CMD_DEF) {
    names->insert(trimmed(args.substr(0, args.find(','))));
    return;
  }
  if (command != CMD_NONE) return;
  for (size_t at = line.find("function"); at != std::string::npos; at = line.find("function", at + 1)) {
    if (at > 0 && name_char(line[at - 1])) continue;
    size_t from = skip_blanks(line, at + 8);
    size_t end = name_end(line, from);
    if (end > from && skip_blanks(line, end) < line.size() && line[skip_blanks(line, end)] == '(')
      names->insert(line.substr(from, end - from));
  }
  size_t from = 0;
  for (const char* word : {"var ", "let ", "const "})
    if (line.compare(0, std::char_traits<char>::length(word), word) == 0) from = skip_blanks(line, std::char_traits<char>::length(word));
  size_t end = name_end(line, from);
  size_t eq = skip_blanks(line, end);
  if (end > from && eq < line.size() && line[eq] == '=' && (eq + 1 >= line.size() || line[eq + 1] != '='))
    names->insert(line.substr(from, end - from));
}

std::string word_of(Command c) { return command_word(c); }
} // namespace

std::string script_check(const char* text) {
  std::vector<Problem> problems;
  std::set<std::string> defined;
  std::vector<std::pair<int, std::string>> buttons; // line, function name
  int number = 0;
  int mode = 0;
  int script_opened = 0;
  text_lines_each(text, [&](const std::string& source) {
    ++number;
    SourceLine parts = source_line_of(source.c_str());
    Command c = parts.command;
    std::string args = parts.args.get();
    add_defined_names(parts.line.get(), c, args, &defined);
    if (c == CMD_SCRIPT) {
      if (mode == 0) script_opened = number;
      mode = 1;
      return;
    }
    if (c == CMD_HTML) {
      mode = 0;
      return;
    }
    if (mode == 0 && yields_statement(c))
      problems.push_back({number, word_of(c) + " gives a script statement, but the line is outside @SCRIPT"});
    if (mode == 1 && yields_element(c))
      problems.push_back({number, word_of(c) + " gives a page element, but the line is inside @SCRIPT"});
    bool has_comma = args.find(',') != std::string::npos;
    if (uses_comma_split(c) && !has_comma)
      problems.push_back({number, word_of(c) + " needs a comma between its two parts"});
    if (c == CMD_BUTTON && has_comma) {
      std::string name = trimmed(args.substr(0, args.find(',')));
      if (is_name(name)) buttons.emplace_back(number, name);
    }
  });
  if (mode == 1) problems.push_back({script_opened, "@SCRIPT is never closed by @HTML"});
  for (const auto& button : buttons)
    if (!defined.count(button.second))
      problems.push_back({button.first, "BUTTON calls " + button.second + "(), which no line of the script defines"});
  std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) { return a.line < b.line; });

  std::string report;
  for (const Problem& p : problems) {
    if (!report.empty()) report += "\r\n";
    report += "Line " + std::to_string(p.line) + ": " + p.reason;
  }
  return report;
}
