// Writing to file channels: strings as lines and numbers as text on text
// channels, raw bytes on binary ones.
#include <windows.h>

#include <cstring>

#include "runtime/core/file_internal.h"

namespace {
int32_t write_bytes(HANDLE h, const void* bytes, int32_t count) {
  if (!bytes || count <= 0) return 0;
  DWORD put = 0;
  if (!WriteFile(h, bytes, static_cast<DWORD>(count), &put, nullptr)) return 0;
  return static_cast<int32_t>(put);
}

int32_t write_text(HANDLE h, ValueSlot value, uint32_t type, int32_t length) {
  if (value_code(type) == VT_STRING) {
    int32_t put = write_bytes(h, reinterpret_cast<const char*>(value), length);
    return put + write_bytes(h, "\r\n", 2);
  }
  double x;
  if (!value_as_real(value, type, &x)) return 0;
  TempText number(num_to_text(x));
  char line[520];
  int32_t n = text_len(number.get());
  if (n > static_cast<int32_t>(sizeof line) - 1) n = sizeof line - 1;
  std::memcpy(line, number.get(), static_cast<size_t>(n));
  line[n++] = ' ';
  return write_bytes(h, line, n);
}

int32_t write_raw(HANDLE h, ValueSlot value, uint32_t type, int32_t length) {
  if (!value_byref(type)) {
    // The value itself: at most the 32 bits a value in the slot has on
    // every architecture (its low bytes), so that a program writes the same
    // file whether it is built for 32-bit or 64-bit Windows.
    constexpr int32_t SLOT_VALUE_BYTES = 4;
    if (length > SLOT_VALUE_BYTES) length = SLOT_VALUE_BYTES;
    return write_bytes(h, &value, length);
  }
  const void* at = reinterpret_cast<const void*>(value);
  if (value_code(type) == VT_POINTER && at) std::memcpy(&at, at, sizeof at);
  return write_bytes(h, at, length);
}
} // namespace

int file_write(FileChannel* channel, uint32_t channel_type, ValueSlot value, uint32_t value_type,
               int32_t length) {
  HANDLE h = file_channel_handle(channel);
  if (!h) return 0;
  switch (value_code(channel_type)) {
  case VT_TEXT_CHANNEL: return write_text(h, value, value_type, length);
  case VT_BIN_CHANNEL: return write_raw(h, value, value_type, length);
  default: return 0;
  }
}
