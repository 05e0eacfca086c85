// Reading one line of an edit or rich-edit control into the private heap:
// whole for ctl_line_text, or only as much as a caller's string holds.
#include <windows.h>

#include <cstring>

#include "runtime/controls/command_args.h"
#include "runtime/controls/controls.h"

namespace {
constexpr LRESULT GETLINE_MOST = 0xFFFF; // EM_GETLINE's count is one 16-bit word

char* empty_text(int32_t* length) {
  *length = 0;
  return static_cast<char*>(heap_alloc_or_stop(1));
}

// A line longer than EM_GETLINE can ask for: cut it out of the text that
// ends with it.
int32_t line_from_text(HWND control, char* line, LRESULT start, LRESULT length) {
  LRESULT end = start + length;
  TempText text(static_cast<char*>(heap_alloc_or_stop(static_cast<int32_t>(end + 1))));
  LRESULT got =
      SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(end + 1), reinterpret_cast<LPARAM>(text.get()));
  int32_t n = got > start ? static_cast<int32_t>((got < end ? got : end) - start) : 0;
  std::memcpy(line, text.get() + start, static_cast<size_t>(n));
  return n;
}
} // namespace

char* edit_line_read(HWND control, int32_t index, int32_t most, int32_t* length) {
  LRESULT lines = SendMessageA(control, EM_GETLINECOUNT, 0, 0);
  if (index < 0 || index >= lines || most <= 0) return empty_text(length);
  LRESULT start = SendMessageA(control, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return empty_text(length);
  LRESULT full = SendMessageA(control, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  if (full <= 0 || full > INT32_MAX - 16 || start > INT32_MAX - 16 - full) return empty_text(length);
  LRESULT wanted = full < most ? full : most;

  // heap_alloc's three spare bytes leave room for the count word of a
  // one-character line.
  char* line = static_cast<char*>(heap_alloc_or_stop(static_cast<int32_t>(wanted + 1)));
  int32_t n = 0;
  if (wanted <= GETLINE_MOST) {
    *reinterpret_cast<WORD*>(line) = static_cast<WORD>(wanted);
    LRESULT got = SendMessageA(control, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line));
    n = static_cast<int32_t>(got < 0 ? 0 : got > wanted ? wanted : got);
  } else {
    n = line_from_text(control, line, start, wanted);
  }
  line[n] = 0;
  *length = n;
  return line;
}

char* ctl_line_text(Window* window, int32_t id, int32_t index) {
  HWND control = edit_control_of(window, id);
  int32_t length = 0;
  return control ? edit_line_read(control, index, INT32_MAX, &length) : nullptr;
}
