// Numbers read from text channels.
#include <windows.h>

#include <cmath>
#include <cstring>

#include "runtime/core/file_internal.h"

namespace {
constexpr int kMaxNumberBytes = 40;

bool read_byte(HANDLE file, char* byte) {
  DWORD got = 0;
  return ReadFile(file, byte, 1, &got, nullptr) && got == 1;
}

bool starts_number(char c) { return (c >= '0' && c <= '9') || c == '-'; }
bool in_number(char c) { return starts_number(c) || c == '.'; }

double round_half_even(double x) {
  double down = std::floor(x);
  double rest = x - down;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0)) down += 1;
  return down;
}

// Values beyond the range of 64 bits are held at its ends instead of
// wrapping unpredictably; narrower integers keep their low bits.
int64_t to_int64(double whole) {
  if (std::isnan(whole)) return 0;
  if (whole >= 9223372036854775808.0) return INT64_MAX;
  if (whole < -9223372036854775808.0) return INT64_MIN;
  return static_cast<int64_t>(whole);
}

uint64_t to_uint64(double whole) {
  if (whole >= 18446744073709551616.0) return UINT64_MAX;
  if (whole >= 9223372036854775808.0) return static_cast<uint64_t>(whole);
  return static_cast<uint64_t>(to_int64(whole));
}

template <typename T>
void put(void* destination, T value) {
  std::memcpy(destination, &value, sizeof value);
}

void store_number(void* destination, uint32_t code, double x) {
  switch (code) {
  case VT_REAL32: put(destination, static_cast<float>(x)); return;
  case VT_REAL64: put(destination, x); return;
  case VT_INT64: put(destination, to_int64(round_half_even(x))); return;
  case VT_UINT64: put(destination, to_uint64(round_half_even(x))); return;
  default: break;
  }
  uint64_t bits = static_cast<uint64_t>(to_int64(round_half_even(x)));
  switch (code) {
  case VT_WORD:
  case VT_INT16: put(destination, static_cast<uint16_t>(bits)); return;
  case VT_BYTE:
  case VT_INT8: put(destination, static_cast<uint8_t>(bits)); return;
  default: put(destination, static_cast<uint32_t>(bits)); return; // 2, 19 and all others
  }
}
} // namespace

double file_read_number(FileChannel* channel, bool* found) {
  if (found) *found = false;
  HANDLE h = file_channel_handle(channel);
  if (!h) return 0;
  char c;
  do {
    if (!read_byte(h, &c)) return 0;
  } while (!starts_number(c));
  if (found) *found = true;
  // The byte that ends the number is read and dropped with it.
  char text[kMaxNumberBytes + 1] = "";
  int n = 0;
  bool more = true;
  while (more && in_number(c) && n < kMaxNumberBytes) {
    text[n++] = c;
    more = read_byte(h, &c);
  }
  return text_to_num(text);
}

int file_read_number_into(FileChannel* channel, void* destination, uint32_t code) {
  bool found = false;
  double x = file_read_number(channel, &found);
  if (destination) store_number(destination, code, found ? x : 0);
  return found ? 0 : -1;
}
