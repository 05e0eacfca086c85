// Text operations that build a new String temporary from whole texts.
#include <windows.h>

#include <cstring>

#include "runtime/core/core.h"
#include "runtime/core/heap_internal.h"

namespace {
char* new_text(const char* s, int32_t len) {
  char* t = static_cast<char*>(heap_alloc_or_stop(heap_text_size(len)));
  std::memcpy(t, s, static_cast<size_t>(len));
  return t; // the heap block is zeroed, so the terminator is already there
}
} // namespace

char* text_concat_list(const char* const* parts, int count) {
  int64_t total = 0;
  for (int i = 0; i < count; ++i) total += text_len(parts[i]);
  char* t = static_cast<char*>(heap_alloc_or_stop(heap_text_size(total)));
  char* end = t;
  for (int i = 0; i < count; ++i) {
    int32_t n = text_len(parts[i]);
    std::memcpy(end, parts[i], static_cast<size_t>(n));
    end += n;
  }
  return t;
}

char* text_dup(const char* s) { return new_text(s, text_len(s)); }

char* text_char(int32_t code) {
  char c = static_cast<char>(code & 0xFF);
  return new_text(&c, c ? 1 : 0);
}

int32_t text_code(const char* s) { return static_cast<unsigned char>(s[0]); }

char* text_upper(const char* s) {
  char* t = text_dup(s);
  CharUpperA(t);
  return t;
}

char* text_left(const char* s, int32_t n) {
  int32_t len = text_len(s);
  if (n < 0) n = 0;
  if (n > len) n = len;
  return new_text(s, n);
}

char* text_right(const char* s, int32_t n) {
  int32_t len = text_len(s);
  if (n < 0) n = 0;
  if (n > len) n = len;
  return new_text(s + len - n, n);
}

char* text_mid(const char* s, int32_t pos, int32_t count) {
  int32_t len = text_len(s);
  if (pos > len) pos = len + 1;
  if (pos < 1) pos = 1;
  if (count < 0 || static_cast<int64_t>(pos) + count > len) count = len - pos + 1;
  return new_text(s + pos - 1, count);
}

namespace {
inline bool is_blank(char c) { return c == ' ' || c == '\t'; }
} // namespace

char* text_trim_left(const char* s) {
  while (is_blank(*s)) ++s;
  return text_dup(s);
}

char* text_trim_right(const char* s) {
  int32_t len = text_len(s);
  while (len > 0 && is_blank(s[len - 1])) --len;
  return new_text(s, len);
}

int32_t text_find(const char* s, const char* sub, int32_t start) {
  if (start <= 0) start = 1; // a negative start is taken as 1, like 0
  int32_t len = text_len(s);
  if (start > 1 && len < start) return 0;
  const char* from = s + start - 1;
  if (*from == 0 || *sub == 0) return 0;
  for (const char* p = from; *p; ++p) {
    const char* a = p;
    const char* b = sub;
    while (*b && *a == *b) {
      ++a;
      ++b;
    }
    if (*b == 0) return static_cast<int32_t>(p - s) + 1;
  }
  return 0;
}
