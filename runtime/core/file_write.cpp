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

template <typename T>
double read_as(const void* from) {
  T value;
  std::memcpy(&value, from, sizeof value);
  return static_cast<double>(value);
}

// The value of a numeric typed argument as a real. Small types sit in the
// slot itself unless passed by reference; the wide ones always live behind
// the slot's address. False when that address is null.
bool value_as_real(const ValueSlot* slot, uint32_t type, double* x) {
  uint32_t code = value_code(type);
  const void* at = reinterpret_cast<const void*>(*slot);
  switch (code) {
  case VT_INT32:
  case VT_UINT32:
  case VT_REAL32:
  case VT_BYTE:
  case VT_INT8:
  case VT_WORD:
  case VT_INT16:
    if (!value_byref(type)) at = slot;
    break;
  default: break;
  }
  if (!at) return false;
  switch (code) {
  case VT_UINT32: *x = read_as<uint32_t>(at); break;
  case VT_REAL32: *x = read_as<float>(at); break;
  case VT_BYTE: *x = read_as<uint8_t>(at); break;
  case VT_INT8: *x = read_as<int8_t>(at); break;
  case VT_WORD: *x = read_as<uint16_t>(at); break;
  case VT_INT16: *x = read_as<int16_t>(at); break;
  case VT_REAL64: *x = read_as<double>(at); break;
  case VT_INT64: *x = read_as<int64_t>(at); break;
  case VT_UINT64: *x = read_as<uint64_t>(at); break;
  default: *x = read_as<int32_t>(at); break; // 2 and every other code
  }
  return true;
}

int32_t write_text(HANDLE h, ValueSlot value, uint32_t type, int32_t length) {
  if (value_code(type) == VT_STRING) {
    int32_t put = write_bytes(h, reinterpret_cast<const char*>(value), length);
    return put + write_bytes(h, "\r\n", 2);
  }
  double x;
  if (!value_as_real(&value, type, &x)) return 0;
  char* number = num_to_text(x);
  char line[520];
  int32_t n = text_len(number);
  if (n > static_cast<int32_t>(sizeof line) - 1) n = sizeof line - 1;
  std::memcpy(line, number, static_cast<size_t>(n));
  heap_free(number);
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
