// Text output of typed values: one line to the output window, or to the
// process's standard output while no window has been named.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "runtime/core/core.h"
#include "runtime/core/real_text.h"
#include "runtime/gui/draw_internal.h"

namespace {
// One line of output; longer lines are cut to this size less one.
constexpr int kLineSize = 1024;

// The window that win_print draws into once a call has named one.
Window* output_window = nullptr;

struct Line {
  char text[kLineSize];
  int length = 0;

  int room() const { return kLineSize - length; }
  void append(const char* s) {
    while (*s && length < kLineSize - 1) text[length++] = *s++;
    text[length] = 0;
  }
  void append_format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text + length, static_cast<size_t>(room()), format, args);
    va_end(args);
    if (n > 0) length += n < room() ? n : room() - 1;
  }
  void append_real(double x) { length += real_to_text(text + length, room(), "% .*f", x); }
};

void write_stdout(const Line& line) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!out || out == INVALID_HANDLE_VALUE || line.length == 0) return;
  DWORD written;
  WriteFile(out, line.text, static_cast<DWORD>(line.length), &written, nullptr);
}

// The line break of a line is not drawn: it would show as boxes and move
// nothing.
void draw_line(Window* window, Line& line) {
  if (line.length > 0 && line.text[line.length - 1] == '\n') --line.length;
  if (line.length > 0 && line.text[line.length - 1] == '\r') --line.length;
  if (line.length == 0) return;
  HDC dc = begin_draw(window);
  if (!dc) return;
  // The DC aligns text to its current position, so x and y go unused.
  TextOutA(dc, window->pos_x, window->pos_y, line.text, line.length);
  end_draw(window, dc, 1);
}
} // namespace

// Values are passed as (type code, value) pairs. Codes 14, 17 and 18 take
// 8-byte values (double, int64_t, uint64_t); every other code takes 4
// bytes, a 32-bit real (code 3) as the bit pattern of its float, since a
// float argument would travel as a double.
void win_print(int32_t count, ...) {
  Line line;
  line.text[0] = 0;
  va_list args;
  va_start(args, count);
  for (int32_t i = 0; i < count; ++i) {
    int32_t code = va_arg(args, int32_t);
    switch (code) {
    case VT_STRING: {
      const char* s = va_arg(args, const char*);
      if (s) line.append(s);
      break;
    }
    case VT_BYTE: {
      char c[2] = {static_cast<char>(va_arg(args, int32_t)), 0};
      line.append(c);
      break;
    }
    case VT_INT32: line.append_format("%d ", va_arg(args, int32_t)); break;
    case VT_REAL32: {
      uint32_t bits = va_arg(args, uint32_t);
      float f;
      std::memcpy(&f, &bits, sizeof f);
      line.append_real(f);
      break;
    }
    case VT_WINDOW: {
      Window* w = va_arg(args, Window*);
      if (i == 0) output_window = w;
      break;
    }
    case VT_WORD: line.append_format("%hu ", static_cast<unsigned short>(va_arg(args, uint32_t))); break;
    case VT_REAL64: line.append_real(va_arg(args, double)); break;
    case VT_INT64: {
      char digits[24];
      int64_to_text(digits, va_arg(args, int64_t));
      line.append(digits);
      break;
    }
    case VT_UINT64: {
      char digits[24];
      uint64_to_text(digits, va_arg(args, uint64_t));
      line.append(digits);
      break;
    }
    case VT_UINT32: line.append_format("%u ", va_arg(args, uint32_t)); break;
    default: va_arg(args, uint32_t); break;
    }
  }
  va_end(args);
  if (output_window)
    draw_line(output_window, line);
  else
    write_stdout(line);
}
