// The formatting codes of edit and rich-edit controls: character format,
// colour, raised text, paragraph alignment, margins and line wrapping.
#include "runtime/controls/richedit_api.h"

#include "runtime/controls/command_args.h"

namespace {
constexpr DWORD FONT_MASK = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_CHARSET | CFM_FACE |
                            CFM_SIZE; // 0xA800000F

static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMAT of rich edit 1.0");
static_assert(sizeof(PARAFORMAT) == 156, "PARAFORMAT of rich edit 1.0");

LRESULT send_format(HWND control, WPARAM which, CHARFORMATA* format) {
  return SendMessageA(control, EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(format));
}

// Codes 25 and 27: a1 face name, a2 size in points, a3 bold, a4 the style
// bits (0x1 italic, 0x10 underline, 0x20 strike-out) and the character set
// in its high 16 bits. Result 0.
int32_t set_font(HWND control, WPARAM which, const CommandArgs& args) {
  const CommandArg &face = args.a[0], &points = args.a[1], &bold = args.a[2], &style = args.a[3];
  if (!arg_is_string(face) || !arg_is_number(points) || !arg_is_number(bold) || !arg_is_number(style)) return 0;
  uint32_t bits = static_cast<uint32_t>(arg_number(style));
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = FONT_MASK;
  format.yHeight = arg_number(points) * 20;
  lstrcpynA(format.szFaceName, arg_string(face), LF_FACESIZE);
  format.bCharSet = static_cast<BYTE>(bits >> 16);
  if (arg_number(bold) != 0) format.dwEffects |= CFE_BOLD;
  if (bits & 0x1) format.dwEffects |= CFE_ITALIC;
  if (bits & 0x10) format.dwEffects |= CFE_UNDERLINE;
  if (bits & 0x20) format.dwEffects |= CFE_STRIKEOUT;
  send_format(control, which, &format);
  return 0;
}

// Codes 26 and 28: a1 the text colour.
int32_t set_color(HWND control, WPARAM which, const CommandArgs& args) {
  if (!arg_is_number(args.a[0])) return 0;
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = static_cast<COLORREF>(arg_number(args.a[0]));
  return static_cast<int32_t>(send_format(control, which, &format));
}

// Code 37: the selection raised (or lowered) by a1 twips.
int32_t set_offset(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0])) return 0;
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_OFFSET;
  format.yOffset = arg_number(args.a[0]);
  return static_cast<int32_t>(send_format(control, SCF_SELECTION, &format));
}

// Code 29: left margin a1 and right margin a2 in pixels. Result 0.
int32_t set_margins(HWND control, const CommandArgs& args) {
  const CommandArg &left = args.a[0], &right = args.a[1];
  if (!arg_is_number(left) || !arg_is_number(right)) return 0;
  LPARAM margins = MAKELONG(arg_number(left), arg_number(right));
  SendMessageA(control, EM_SETMARGINS, EC_LEFTMARGIN, margins);
  SendMessageA(control, EM_SETMARGINS, EC_RIGHTMARGIN, margins);
  return 0;
}

// Code 31: a1 0 wraps at the window's edge, 1 does not wrap, a larger value
// wraps at that line width on the parent window's device. Result 0.
int32_t set_wrapping(Window* window, HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0])) return 0;
  int32_t width = arg_number(args.a[0]);
  if (width == 0 || width == 1) {
    SendMessageA(control, EM_SETTARGETDEVICE, 0, width);
    return 0;
  }
  HDC dc = GetDC(window->handle);
  SendMessageA(control, EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(dc), width);
  if (dc) ReleaseDC(window->handle, dc);
  return 0;
}

// Code 36: alignment a1 (1 left, 2 right, 3 centre).
int32_t set_alignment(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0])) return 0;
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_ALIGNMENT;
  format.wAlignment = static_cast<WORD>(arg_number(args.a[0]));
  return static_cast<int32_t>(SendMessageA(control, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
}
} // namespace

int32_t edit_format_command(Window* window, HWND control, int32_t code, const CommandArgs& args) {
  switch (code) {
  case 25: return set_font(control, SCF_DEFAULT, args);
  case 26: return set_color(control, SCF_DEFAULT, args);
  case 27: return set_font(control, SCF_SELECTION, args);
  case 28: return set_color(control, SCF_SELECTION, args);
  case 29: return set_margins(control, args);
  case 31: return set_wrapping(window, control, args);
  case 36: return set_alignment(control, args);
  case 37: return set_offset(control, args);
  default: return 0;
  }
}
