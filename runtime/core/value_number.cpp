// The number behind a numeric typed argument, as a real.
#include <cstring>

#include "runtime/core/core.h"

namespace {
template <typename T>
double read_as(const void* from) {
  T value;
  std::memcpy(&value, from, sizeof value);
  return static_cast<double>(value);
}

// Values of 32 bits or less may sit in the slot itself.
bool fits_slot(uint32_t code) {
  switch (code) {
  case VT_BYTE:
  case VT_INT8:
  case VT_WORD:
  case VT_INT16:
  case VT_INT32:
  case VT_UINT32:
  case VT_REAL32: return true;
  default: return false;
  }
}
} // namespace

bool value_as_real(ValueSlot slot, uint32_t type_word, double* x) {
  uint32_t code = value_code(type_word);
  const void* at = fits_slot(code) && !value_byref(type_word) ? &slot : reinterpret_cast<const void*>(slot);
  if (!at) return false;
  switch (code) {
  case VT_BYTE: *x = read_as<uint8_t>(at); break;
  case VT_INT8: *x = read_as<int8_t>(at); break;
  case VT_WORD: *x = read_as<uint16_t>(at); break;
  case VT_INT16: *x = read_as<int16_t>(at); break;
  case VT_UINT32: *x = read_as<uint32_t>(at); break;
  case VT_REAL32: *x = read_as<float>(at); break;
  case VT_REAL64: *x = read_as<double>(at); break;
  case VT_INT64: *x = read_as<int64_t>(at); break;
  case VT_UINT64: *x = read_as<uint64_t>(at); break;
  default: *x = read_as<int32_t>(at); break; // 2, and any other code names a 32-bit integer variable
  }
  return true;
}
