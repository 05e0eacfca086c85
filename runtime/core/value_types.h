// Value type codes and the by-reference bit of typed arguments.
//
// A typed argument is a value slot plus a 32-bit type word. The low 16 bits
// of the type word hold one of the codes below; bit 16 says that the slot
// holds the address of the caller's variable instead of the value itself.
#pragma once

#include <cstdint>

enum ValueType : uint32_t {
  VT_STRING = 0,       // a string variable's buffer
  VT_BYTE = 1,         // unsigned 8-bit
  VT_INT32 = 2,        // signed 32-bit
  VT_REAL32 = 3,       // 32-bit real
  VT_POINTER = 5,      // the slot holds the address of memory
  VT_TEXT_CHANNEL = 6, // a File channel used for text
  VT_WINDOW = 9,       // a Window record
  VT_BIN_CHANNEL = 11, // a File channel used for raw bytes
  VT_WORD = 13,        // unsigned 16-bit
  VT_REAL64 = 14,      // 64-bit real
  VT_RAW = 15,         // raw bytes
  VT_INT64 = 17,       // signed 64-bit
  VT_UINT64 = 18,      // unsigned 64-bit
  VT_UINT32 = 19,      // unsigned 32-bit
  VT_NONE = 22,        // an empty argument slot
  VT_INT16 = 30,       // signed 16-bit
  VT_INT8 = 31,        // signed 8-bit
};

// A typed argument's slot: the value itself, or the address of the caller's
// variable.
typedef uintptr_t ValueSlot;

// Named apart from OLE's VT_BYREF, which the browser code also sees.
constexpr uint32_t VT_REF = 0x10000u;
constexpr uint32_t VT_CODE_MASK = 0xFFFFu;

// The Value type code of a type word.
constexpr uint32_t value_code(uint32_t type_word) { return type_word & VT_CODE_MASK; }

// True when the slot holds the address of the caller's variable.
constexpr bool value_byref(uint32_t type_word) { return type_word >= VT_REF; }

// Size of one element of a type in block_alloc.
constexpr uint32_t value_element_size(uint32_t code) {
  switch (code) {
  case VT_STRING: return 255;
  case VT_BYTE:
  case VT_RAW: return 1;
  case VT_WORD: return 2;
  case VT_REAL64:
  case VT_INT64:
  case VT_UINT64: return 8;
  default: return 4;
  }
}
