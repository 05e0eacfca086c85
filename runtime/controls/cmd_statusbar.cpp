// The command table of status bars: parts, their texts and re-fitting to
// the parent. Every code gives 0.
#include <windows.h>
#include <commctrl.h>

#include "runtime/controls/command_args.h"

namespace {
const SimpleCommand STATUSBAR_SIMPLE[] = {
    {1, SB_SETTEXTA, Operand::num1, Operand::str2, 0, true},
    {2, WM_SIZE, Operand::zero, Operand::zero, 0, true},
};

// Code 0: a1 parts whose right edges are in the array a2, passed by
// reference.
void set_parts(HWND control, const CommandArgs& args) {
  const CommandArg &count = args.a[0], &edges = args.a[1];
  if (!arg_is_number(count) || !value_byref(edges.type) || edges.slot == 0) return;
  SendMessageA(control, SB_SETPARTS, static_cast<WPARAM>(arg_number(count)), static_cast<LPARAM>(edges.slot));
}
} // namespace

int32_t statusbar_command(HWND control, int32_t code, const CommandArgs& args) {
  int32_t result = 0;
  if (simple_command_run(control, STATUSBAR_SIMPLE, code, args, &result)) return result; // always 0
  if (code == 0) set_parts(control, args);
  return 0;
}
