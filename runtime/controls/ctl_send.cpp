// ctl_send: a message to a window named by a typed argument, or to one of
// its children by id.
#include <windows.h>

#include "runtime/controls/command_args.h"
#include "runtime/controls/controls.h"

namespace {
// A handle as a number (codes 2, 19) or the first field of a record passed
// as raw bytes (code 15); null for any other code.
HWND target_window(ValueSlot slot, uint32_t type) {
  CommandArg arg{slot, type};
  if (arg_is_number(arg)) return reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(arg_number(arg))));
  if (value_code(type) == VT_RAW && slot != 0) return *reinterpret_cast<const HWND*>(slot);
  return nullptr;
}

// The value of a variable passed by reference, read at its own width.
LPARAM variable_value(ValueSlot slot, uint32_t code) {
  switch (code) {
  case VT_BYTE: return *reinterpret_cast<const uint8_t*>(slot);
  case VT_WORD: return *reinterpret_cast<const uint16_t*>(slot);
  case VT_INT16: return *reinterpret_cast<const int16_t*>(slot);
  case VT_INT8: return *reinterpret_cast<const int8_t*>(slot);
  default: return *reinterpret_cast<const LPARAM*>(slot); // 32 bits; the low half of 64-bit values
  }
}
} // namespace

LRESULT ctl_send(ValueSlot target, uint32_t target_type, UINT message, WPARAM wparam, ValueSlot lparam,
                 uint32_t lparam_type, int32_t item_id) {
  HWND window = target_window(target, target_type);
  if (window && item_id != 0) window = GetDlgItem(window, item_id);
  if (!window) return 0;
  LPARAM value = static_cast<LPARAM>(lparam);
  uint32_t code = value_code(lparam_type);
  if (value_byref(lparam_type) && code != VT_STRING && code != VT_RAW && lparam != 0)
    value = variable_value(lparam, code);
  return SendMessageA(window, message, wparam, value);
}
