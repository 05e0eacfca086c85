// Numbers as texts and texts as numbers.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

#include "runtime/core/core.h"
#include "runtime/core/real_text.h"

namespace {
constexpr int kNumberTextSize = 512;

typedef int(__cdecl* SnprintfFn)(char*, size_t, const char*, ...);

// Reals are formatted by the system C runtime's own printf, not by MinGW's
// replacement, so that rounding of halves is the system's: CRTDLL where the
// system still ships it, else MSVCRT (the same formatter). Both come from
// the system folder only: a library of that name beside the program is
// never loaded.
SnprintfFn system_snprintf() {
  static SnprintfFn fn = [] {
    for (const char* dll : {"crtdll.dll", "msvcrt.dll"})
      if (SnprintfFn f = system_function<SnprintfFn>(dll, "_snprintf")) return f;
    return static_cast<SnprintfFn>(nullptr);
  }();
  return fn;
}

int format_integer(char* out, uint64_t magnitude, bool negative) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  int w = 0;
  if (negative) out[w++] = '-';
  while (n > 0) out[w++] = digits[--n];
  return w;
}
} // namespace

char* num_to_text(double x) {
  char* t = static_cast<char*>(heap_alloc_or_stop(kNumberTextSize));
  // Whole numbers print as integers. Any that fits 64 bits prints in full
  // (not cut to its low 32 bits); larger ones take the real format below.
  if (x >= -9223372036854775808.0 && x < 9223372036854775808.0) {
    int64_t whole = static_cast<int64_t>(x);
    if (static_cast<double>(whole) == x) {
      t[0] = ' ';
      uint64_t magnitude = whole < 0 ? 0 - static_cast<uint64_t>(whole) : static_cast<uint64_t>(whole);
      format_integer(t + 1, magnitude, whole < 0);
      return t;
    }
  }
  real_to_text(t, kNumberTextSize, " %.*f", x);
  return t;
}

int real_to_text(char* out, int size, const char* format, double x) {
  if (size <= 0) return 0;
  SnprintfFn fn = system_snprintf();
  int n;
  if (fn) {
    // The system's _snprintf leaves out the terminator when it cuts the text.
    n = fn(out, static_cast<size_t>(size - 1), format, NUM_PRECISION, x);
    if (n < 0 || n > size - 1) n = size - 1;
  } else {
    n = std::snprintf(out, static_cast<size_t>(size), format, NUM_PRECISION, x);
    if (n < 0) n = 0;
    if (n > size - 1) n = size - 1;
  }
  out[n] = 0;
  return n;
}

double text_to_num(const char* s) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(s);
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '-') {
    negative = true;
    ++p;
  }
  double result = 0;
  while (*p >= '0' && *p <= '9') result = result * 10 + (*p++ - '0');
  if (*p == '.') {
    ++p;
    for (int k = 1; *p >= '0' && *p <= '9'; ++k, ++p)
      result += (*p - '0') * (1 / num_power(10, k));
  }
  return negative ? -result : result;
}

int int64_to_text(char* buffer, int64_t value) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  int n = format_integer(buffer, magnitude, value < 0);
  buffer[n++] = ' ';
  buffer[n] = 0;
  return n;
}

int uint64_to_text(char* buffer, uint64_t value) {
  int n = format_integer(buffer, value, false);
  buffer[n++] = ' ';
  buffer[n] = 0;
  return n;
}
