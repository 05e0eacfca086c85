// The command table of tool bars: sizes, button labels, states and styles,
// and tool tips.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "runtime/controls/command_args.h"

namespace {
// The first tool info (TTTOOLINFOA_V1_SIZE), which every tool-tip control
// takes: the fields up to lpszText.
constexpr UINT TOOL_INFO_SIZE = offsetof(TTTOOLINFOA, lpszText) + sizeof(LPSTR);
static_assert(TOOL_INFO_SIZE == (sizeof(void*) == 8 ? 56 : 40), "tool info up to its text");

const SimpleCommand TOOLBAR_SIMPLE[] = {
    {3, TB_ENABLEBUTTON, Operand::num1, Operand::num2, 0, true},
    {6, TB_ISBUTTONCHECKED, Operand::num1, Operand::zero, 0, false},
};

// Code 0: the bar sizes itself; a bar at the bottom is redrawn, a vertical
// one moves the MDI client.
void auto_size(Window* window, HWND bar) {
  SendMessageA(bar, TB_AUTOSIZE, 0, 0);
  LONG style = GetWindowLongA(bar, GWL_STYLE);
  if ((style & 3) == CCS_BOTTOM) InvalidateRect(bar, nullptr, TRUE);
  if (style & CCS_VERT) refit_mdi_client(window);
}

// Codes 1 and 2: width a1 and height a2.
void set_size(Window* window, HWND bar, UINT message, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_number(args.a[1])) return;
  SendMessageA(bar, message, 0, MAKELONG(arg_number(args.a[0]), arg_number(args.a[1])));
  refit_mdi_client(window);
}

// Code 4: button labels in a1, separated by "|".
void add_labels(Window* window, HWND bar, const CommandArgs& args) {
  if (!arg_is_string(args.a[0])) return;
  // A copy with a zero byte for each "|"; the heap block's spare zero bytes
  // end the list.
  TempText labels(text_dup(arg_string(args.a[0])));
  for (char* p = labels.get(); *p; ++p)
    if (*p == '|') *p = 0;
  SendMessageA(bar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(labels.get()));
  SendMessageA(bar, TB_AUTOSIZE, 0, 0);
  refit_mdi_client(window);
}

// Code 5: the style byte a2 for the button of command a1.
void set_button_style(HWND bar, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_number(args.a[1])) return;
  TBBUTTONINFOA info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STYLE;
  info.fsStyle = static_cast<BYTE>(arg_number(args.a[1]));
  SendMessageA(bar, TB_SETBUTTONINFOA, static_cast<WPARAM>(arg_number(args.a[0])),
               reinterpret_cast<LPARAM>(&info));
}

// Code 9: the tool-tip text a2 of the button of command a1.
void set_tip(HWND bar, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_string(args.a[1])) return;
  HWND tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
  if (!tips) return;
  TTTOOLINFOA info{};
  info.cbSize = TOOL_INFO_SIZE;
  info.hwnd = bar;
  info.uId = static_cast<UINT_PTR>(arg_number(args.a[0]));
  info.lpszText = arg_string(args.a[1]);
  SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

int32_t button_size(HWND bar) { return static_cast<int32_t>(SendMessageA(bar, TB_GETBUTTONSIZE, 0, 0)); }
} // namespace

static_assert(sizeof(TBBUTTONINFOA) == (sizeof(void*) == 8 ? 48 : 32), "TBBUTTONINFO of 32 bytes (48 on 64-bit)");

int32_t toolbar_command(Window* window, HWND bar, int32_t code, const CommandArgs& args) {
  int32_t result = 0;
  if (simple_command_run(bar, TOOLBAR_SIMPLE, code, args, &result)) return result;
  switch (code) {
  case 0: auto_size(window, bar); return 0;
  case 1: set_size(window, bar, TB_SETBITMAPSIZE, args); return 0;
  case 2: set_size(window, bar, TB_SETBUTTONSIZE, args); return 0;
  case 4: add_labels(window, bar, args); return 0;
  case 5: set_button_style(bar, args); return 0;
  case 7: return LOWORD(button_size(bar));
  case 8: return HIWORD(button_size(bar));
  case 9: set_tip(bar, args); return 0;
  default: return 0;
  }
}
