// text_len and text_copy are the hottest text operations: once the pointer is
// word-aligned they look at four bytes at a time.
#include <cstring>

#include "runtime/core/core.h"

namespace {
// A 32-bit load that may alias any object (the strings are char arrays).
typedef uint32_t __attribute__((may_alias)) AliasWord;

constexpr uint32_t kLow = 0x01010101u;
constexpr uint32_t kHigh = 0x80808080u;

// Nonzero exactly when one of the four bytes of w is zero.
inline uint32_t has_zero_byte(uint32_t w) { return (w - kLow) & ~w & kHigh; }

inline bool aligned(const char* p) { return (reinterpret_cast<uintptr_t>(p) & 3u) == 0; }
} // namespace

// An aligned word never straddles a page, so reading the whole word that holds
// the terminator cannot fault even when the string ends inside it.
int32_t text_len(const char* s) {
  const char* p = s;
  while (!aligned(p)) {
    if (*p == 0) return static_cast<int32_t>(p - s);
    ++p;
  }
  const AliasWord* w = reinterpret_cast<const AliasWord*>(p);
  while (!has_zero_byte(*w)) ++w;
  p = reinterpret_cast<const char*>(w);
  while (*p) ++p;
  return static_cast<int32_t>(p - s);
}

char* text_copy(char* dst, const char* s) {
  char* d = dst;
  while (!aligned(s)) {
    if ((*d++ = *s++) == 0) return dst;
  }
  const AliasWord* w = reinterpret_cast<const AliasWord*>(s);
  for (;;) {
    uint32_t word = *w;
    if (has_zero_byte(word)) break;
    std::memcpy(d, &word, 4); // the destination need not be aligned
    d += 4;
    ++w;
  }
  s = reinterpret_cast<const char*>(w);
  while ((*d++ = *s++) != 0) {
  }
  return dst;
}

char* text_append(char* dst, const char* s) {
  text_copy(dst + text_len(dst), s);
  return dst;
}
