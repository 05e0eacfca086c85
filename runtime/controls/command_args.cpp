// Reading the typed arguments of control commands, and running the codes
// that forward them unchanged to one message.
#include "runtime/controls/command_args.h"

#include <cstring>

bool arg_is_number(const CommandArg& arg) {
  uint32_t code = value_code(arg.type);
  if (code != VT_INT32 && code != VT_UINT32) return false;
  return !value_byref(arg.type) || arg.slot != 0;
}

int32_t arg_number(const CommandArg& arg) {
  if (!arg_is_number(arg)) return 0;
  if (value_byref(arg.type)) return *reinterpret_cast<const int32_t*>(arg.slot);
  return static_cast<int32_t>(arg.slot);
}

bool arg_is_number_ref(const CommandArg& arg) { return arg_is_number(arg) && value_byref(arg.type); }

bool arg_is_string(const CommandArg& arg) { return value_code(arg.type) == VT_STRING && arg.slot != 0; }

char* arg_string(const CommandArg& arg) {
  return arg_is_string(arg) ? reinterpret_cast<char*>(arg.slot) : nullptr;
}

bool arg_is_open_text_channel(const CommandArg& arg) {
  if (value_code(arg.type) != VT_TEXT_CHANNEL || arg.slot == 0) return false;
  return *reinterpret_cast<const FileChannel*>(arg.slot) != nullptr;
}

HANDLE arg_channel_handle(const CommandArg& arg) {
  return arg_is_open_text_channel(arg) ? *reinterpret_cast<const FileChannel*>(arg.slot) : nullptr;
}

int32_t arg_capacity(const CommandArg& size_arg) {
  if (!arg_is_number(size_arg)) return STRING_VARIABLE_CAPACITY;
  int32_t n = arg_number(size_arg);
  if (n < 0) return 0;
  return n > INT32_MAX - 16 ? INT32_MAX - 16 : n; // room for the zero byte in any count
}

int32_t copy_cut(char* destination, int32_t capacity, const char* text, int32_t length) {
  int32_t n = length < capacity ? length : capacity;
  if (n < 0) n = 0;
  if (n > 0) std::memcpy(destination, text, static_cast<size_t>(n));
  destination[n] = 0;
  return n;
}

namespace {
// The value of one operand; false when its argument has the wrong type.
bool operand_value(Operand op, int32_t fixed, const CommandArgs& args, uintptr_t* value) {
  switch (op) {
  case Operand::zero: *value = 0; return true;
  case Operand::fixed: *value = static_cast<uintptr_t>(fixed); return true;
  case Operand::num1:
  case Operand::num2: {
    const CommandArg& arg = args.a[op == Operand::num1 ? 0 : 1];
    if (!arg_is_number(arg)) return false;
    *value = static_cast<uintptr_t>(arg_number(arg));
    return true;
  }
  case Operand::str1:
  case Operand::str2: {
    const CommandArg& arg = args.a[op == Operand::str1 ? 0 : 1];
    if (!arg_is_string(arg)) return false;
    *value = reinterpret_cast<uintptr_t>(arg_string(arg));
    return true;
  }
  }
  return false;
}
} // namespace

bool simple_command_run(HWND control, const SimpleCommand* table, size_t count, int32_t code,
                        const CommandArgs& args, int32_t* result) {
  for (size_t i = 0; i < count; ++i) {
    const SimpleCommand& c = table[i];
    if (c.code != code) continue;
    *result = 0;
    uintptr_t wparam = 0, lparam = 0;
    if (!operand_value(c.wparam, c.fixed, args, &wparam) || !operand_value(c.lparam, c.fixed, args, &lparam))
      return true;
    LRESULT r = SendMessageA(control, c.message, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam));
    if (!c.result_zero) *result = static_cast<int32_t>(r);
    return true;
  }
  return false;
}
