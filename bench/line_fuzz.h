// Generated script lines driven through line translation, Check Script and
// Load's line cutting, each answer held to what its callers rely on. One
// generator for the fuzz bench (bench/fuzz_bench.cpp, a million lines) and
// the suite's short run (tests/app/line_fuzz_test.cpp).
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "app/documents.h"
#include "app/translate/translate.h"
#include "runtime/core/core.h"

// The same lines from the same seed on every build (splitmix64).
struct FuzzRandom {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }
};

// One line of a script: mostly short, one in twenty up to 2,000 bytes, one in
// a thousand up to 70,000. Random bytes (no NUL: no text holds one), a
// command word in any case with random arguments, or script and page text;
// quotes, commas and brackets come unbalanced.
inline std::string fuzz_line(FuzzRandom& r) {
  static const char* const words[] = {"@SCRIPT", "@HTML",  "DEF",      "RAND",     "PRINT",   "WRITE",
                                      "ALERT",   "STATIC", "UPDATE",   "BUTTON",   "INPUTSTR", "INPUTINT",
                                      "TEXTBOX", "function", "var",    "if",       "for",     "while"};
  static const char* const pieces[] = {",", "\"", "'", " ", "\t", "=", "==", "(", ")", "()", "{", "}", ";",
                                       "<p>", "<meta charset=\"utf-8\">", "name", "go_1", "$x", "12", "\xE9"};
  size_t length = r.below(1000) == 0 ? r.below(70001) : r.below(20) == 0 ? r.below(2001) : r.below(81);
  std::string line;
  uint32_t kind = r.below(10);
  if (kind >= 2) {
    line.append(r.below(4) == 0 ? r.below(4) : 0, r.below(2) ? ' ' : '\t');
    std::string word = words[r.below(sizeof words / sizeof *words)];
    for (char& c : word)
      if (c >= 'A' && c <= 'Z' && r.below(3) == 0) c = static_cast<char>(c - 'A' + 'a');
    line += word;
    if (r.below(8)) line += r.below(6) ? " " : "\t";
  }
  while (line.size() < length) {
    if (kind < 2 || r.below(8) == 0) line += static_cast<char>(1 + r.below(255));
    else line += pieces[r.below(sizeof pieces / sizeof *pieces)];
  }
  return line;
}

struct FuzzCounts {
  long long lines = 0, scripts = 0, faults = 0;
};

namespace fuzz_detail {
inline FuzzCounts* g_counts = nullptr;
inline const std::string* g_line = nullptr; // the line being worked on, for a crash's report
inline uint64_t g_seed = 0;

inline std::string excerpt(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size() && i < 60; ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    out += c >= ' ' && c < 0x7F && c != '\\' ? std::string(1, static_cast<char>(c)) : std::string(hex);
  }
  return out + (s.size() > 60 ? "... (" + std::to_string(s.size()) + " bytes)" : "");
}

inline void fault(const char* what, const std::string& input) {
  if (++g_counts->faults <= 10)
    std::printf("fault (seed %llu, line %lld): %s: \"%s\"\n", static_cast<unsigned long long>(g_seed), g_counts->lines,
                what, excerpt(input).c_str());
}

inline LONG WINAPI report_crash(EXCEPTION_POINTERS* info) {
  std::printf("fault (seed %llu, line %lld): exception 0x%08lX on \"%s\"\n", static_cast<unsigned long long>(g_seed),
              g_counts->lines, static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
              g_line ? excerpt(*g_line).c_str() : "");
  std::fflush(stdout);
  return EXCEPTION_EXECUTE_HANDLER; // the process ends with the exception's code
}

// Translation: a String temporary of the heap, never null, no longer than the
// source and the longest expansion, script mode 0 or 1, no temporary left on
// the stack. The source ends right before an inaccessible page, so reading
// past its terminator crashes.
inline void translate_one(const std::string& line, char* page_end, int* mode) {
  char* source = page_end - line.size() - 1;
  std::memcpy(source, line.c_str(), line.size() + 1);
  int before = temp_count();
  char* out = translate_line(source, mode);
  if (!out) return fault("translate_line gave null", line);
  if (text_len(out) > static_cast<int32_t>(line.size()) + 64) fault("translate_line gave more than it was given", line);
  if (*mode != 0 && *mode != 1) fault("translate_line set a script mode other than 0 or 1", line);
  if (temp_count() != before) fault("translate_line left temporaries on the stack", line);
  if (!heap_free(out)) fault("translate_line gave a block that is not the heap's", line);
}

// Check Script: every report line is "Line N: reason", N a line of the text,
// in order.
inline void check_one(const std::string& text) {
  int lines = 1;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  std::string report = script_check(text.c_str());
  int last = 1;
  for (size_t start = 0; !report.empty(); start += 2) {
    size_t end = report.find("\r\n", start);
    std::string entry = report.substr(start, end == std::string::npos ? std::string::npos : end - start);
    int n = 0, used = 0;
    if (std::sscanf(entry.c_str(), "Line %d: %n", &n, &used) != 1 || used == 0 || used >= static_cast<int>(entry.size()))
      return fault(("Check Script's answer is no \"Line N: reason\": " + entry).c_str(), text);
    if (n < last || n > lines) return fault(("Check Script named a line out of order or range: " + entry).c_str(), text);
    last = n;
    if (end == std::string::npos) break;
    start = end;
  }
}

// Load: the lines come back whole, joined by CR LF, whichever line ends
// (CR LF, LF, CR) the file used, and a file holding a NUL is refused. The
// file's lines are the script's with their CR and LF bytes left out.
inline void load_one(FuzzRandom& r, const std::vector<std::string>& script) {
  static const char* const ends[] = {"\r\n", "\n", "\r"};
  std::string bytes, want, got;
  const char* previous = "";
  for (size_t i = 0; i < script.size(); ++i) {
    std::string line;
    for (char c : script[i])
      if (c != '\r' && c != '\n') line += c;
    const char* end = ends[r.below(3)];
    // A CR, an empty line and an LF would read as one CR LF.
    if (line.empty() && previous[0] == '\r' && previous[1] == 0 && end[0] == '\n') end = "\r";
    bool last = i + 1 == script.size();
    if (last && !line.empty() && r.below(2)) end = "";
    bytes += line + end;
    want += (i ? "\r\n" : "") + line;
    previous = end;
  }
  bool nul = r.below(50) == 0;
  if (nul) bytes.insert(r.below(static_cast<uint32_t>(bytes.size() + 1)), 1, '\0');
  bool read = load_text_of_bytes(bytes, &got);
  if (nul ? read : !read || got != want) fault(nul ? "Load took a file with a NUL" : "Load did not give back the lines", bytes);
}
} // namespace fuzz_detail

// Drives count generated lines, in scripts of 1 to 40 lines, through the
// three; prints each fault (the first ten) and counts them. A crash is
// reported with the line it came on, and ends the process. The heap must
// have been started.
inline FuzzCounts fuzz_lines(long long count, uint64_t seed) {
  using namespace fuzz_detail;
  FuzzCounts counts;
  g_counts = &counts;
  g_seed = seed;
  FuzzRandom r{seed};
  SYSTEM_INFO si;
  GetSystemInfo(&si);
  SIZE_T room = (70002 / si.dwPageSize + 1) * si.dwPageSize;
  char* pages = static_cast<char*>(VirtualAlloc(nullptr, room + si.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  DWORD old;
  VirtualProtect(pages + room, si.dwPageSize, PAGE_NOACCESS, &old);
  LPTOP_LEVEL_EXCEPTION_FILTER before = SetUnhandledExceptionFilter(report_crash);
  std::vector<std::string> script;
  while (counts.lines < count) {
    script.clear();
    for (uint32_t n = 1 + r.below(40); n > 0 && counts.lines + static_cast<long long>(script.size()) < count; --n)
      script.push_back(fuzz_line(r));
    std::string text;
    try {
      int mode = 0;
      for (const std::string& line : script) {
        g_line = &line;
        translate_one(line, pages + room, &mode);
        if (&line != &script[0]) text += "\r\n";
        text += line;
        ++counts.lines;
      }
      g_line = &text;
      check_one(text);
      load_one(r, script);
      ++counts.scripts;
    } catch (const std::exception& e) {
      fault((std::string("exception: ") + e.what()).c_str(), g_line ? *g_line : text);
    }
    g_line = nullptr;
  }
  SetUnhandledExceptionFilter(before);
  VirtualFree(pages, 0, MEM_RELEASE);
  g_counts = nullptr;
  return counts;
}
