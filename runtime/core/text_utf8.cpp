// Text in the system's code page turned into UTF-8, for files that declare
// that encoding.
#include <windows.h>

#include <vector>

#include "runtime/core/core.h"

char* text_to_utf8(const char* s) {
  if (!s || !*s) return text_dup("");
  int wide_count = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
  if (wide_count <= 0) return text_dup(s);
  std::vector<wchar_t> wide(static_cast<size_t>(wide_count));
  MultiByteToWideChar(CP_ACP, 0, s, -1, wide.data(), wide_count);
  int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return text_dup(s);
  char* out = static_cast<char*>(heap_alloc_or_stop(bytes));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, out, bytes, nullptr, nullptr);
  return out;
}
