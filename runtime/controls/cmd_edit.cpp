// The command table of edit and rich-edit controls: editing, the clipboard,
// lines, selection, search, streaming and printing. Formatting codes live in
// cmd_edit_format.cpp.
#include "runtime/controls/richedit_api.h"

#include "runtime/controls/command_args.h"
#include "runtime/controls/controls.h"
#include "runtime/controls/edit_stream.h"
#include "runtime/controls/richedit_print.h"

namespace {
constexpr int32_t DEFAULT_PRINT_MARGIN = 770; // twips

const SimpleCommand EDIT_SIMPLE[] = {
    {0, EM_CANUNDO, Operand::zero, Operand::zero, 0, false},
    {1, WM_CLEAR, Operand::zero, Operand::zero, 0, false},
    {EDIT_COPY, WM_COPY, Operand::zero, Operand::zero, 0, false},
    {EDIT_CUT, WM_CUT, Operand::zero, Operand::zero, 0, false},
    {4, EM_EMPTYUNDOBUFFER, Operand::zero, Operand::zero, 0, false},
    {6, EM_GETEVENTMASK, Operand::zero, Operand::zero, 0, false},
    {7, EM_SETEVENTMASK, Operand::zero, Operand::num1, 0, false},
    {EDIT_FIRST_VISIBLE_LINE, EM_GETFIRSTVISIBLELINE, Operand::zero, Operand::zero, 0, false},
    {EDIT_SET_LIMIT, EM_LIMITTEXT, Operand::num1, Operand::zero, 0, false},
    {EDIT_LIMIT, EM_GETLIMITTEXT, Operand::zero, Operand::zero, 0, false},
    {EDIT_LINE_COUNT, EM_GETLINECOUNT, Operand::zero, Operand::zero, 0, false},
    {EDIT_MODIFIED, EM_GETMODIFY, Operand::zero, Operand::zero, 0, false},
    {EDIT_SET_MODIFIED, EM_SETMODIFY, Operand::num1, Operand::zero, 0, false},
    {EDIT_SELECT, EM_SETSEL, Operand::num1, Operand::num2, 0, false},
    {18, WM_GETTEXTLENGTH, Operand::zero, Operand::zero, 0, false},
    {19, EM_HIDESELECTION, Operand::num1, Operand::zero, 0, false},
    {20, EM_LINEFROMCHAR, Operand::num1, Operand::zero, 0, false},
    {21, EM_LINELENGTH, Operand::num1, Operand::zero, 0, false},
    {22, EM_LINESCROLL, Operand::num1, Operand::num2, 0, false},
    {EDIT_PASTE, WM_PASTE, Operand::zero, Operand::zero, 0, false},
    {24, EM_REPLACESEL, Operand::fixed, Operand::str1, 1, false}, // undoable
    {EDIT_UNDO, WM_UNDO, Operand::zero, Operand::zero, 0, false},
    {187, EM_LINEINDEX, Operand::num1, Operand::zero, 0, false},
};

// Code 5: a1 the text, from position a2; a3 0 matches case.
int32_t find_text(HWND control, const CommandArgs& args) {
  const CommandArg &text = args.a[0], &from = args.a[1], &any_case = args.a[2];
  if (!arg_is_string(text) || !arg_is_number(from) || !arg_is_number(any_case)) return 0;
  FINDTEXTA find{};
  find.chrg.cpMin = arg_number(from);
  find.chrg.cpMax = -1;
  find.lpstrText = arg_string(text);
  WPARAM flags = arg_number(any_case) == 0 ? FR_MATCHCASE : 0;
  return static_cast<int32_t>(SendMessageA(control, EM_FINDTEXT, flags, reinterpret_cast<LPARAM>(&find)));
}

// Code 11: line a1 into the string a2, at most a3 (else 254) characters.
// The line is read into the heap first, so that nothing but the text and
// its zero byte reaches the caller's string.
int32_t get_line(HWND control, const CommandArgs& args) {
  const CommandArg &line = args.a[0], &target = args.a[1];
  if (!arg_is_number(line) || !arg_is_string(target)) return 0;
  int32_t capacity = arg_capacity(args.a[2]);
  int32_t length = 0;
  TempText text(edit_line_read(control, arg_number(line), capacity, &length));
  copy_cut(arg_string(target), capacity, text.get(), length);
  return 0;
}

// Code 16: the selection's start and end into a1's and a2's variables.
int32_t get_selection(HWND control, const CommandArgs& args) {
  const CommandArg &start = args.a[0], &end = args.a[1];
  if (!arg_is_number_ref(start) || !arg_is_number_ref(end)) return 0;
  return static_cast<int32_t>(SendMessageA(control, EM_GETSEL, static_cast<WPARAM>(start.slot),
                                           static_cast<LPARAM>(end.slot)));
}

// Code 17: the selected text into the string a1, at most a2 (else 254)
// characters; the length stored.
int32_t get_selected_text(HWND control, const CommandArgs& args) {
  const CommandArg& target = args.a[0];
  if (!arg_is_string(target)) return 0;
  // The control writes the selection with no bound: give it room for the
  // whole text even if every character became a CR LF pair.
  LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  if (length < 0) length = 0;
  if (length > (INT32_MAX - 16) / 2) return 0;
  TempText scratch(static_cast<char*>(heap_alloc_or_stop(static_cast<int32_t>(2 * length + 2))));
  LRESULT got = SendMessageA(control, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(scratch.get()));
  if (got < 0) got = 0;
  if (got > 2 * length) got = 2 * length;
  return copy_cut(arg_string(target), arg_capacity(args.a[1]), scratch.get(), static_cast<int32_t>(got));
}

// Code 35: paste the clipboard's first format, when the control takes it.
int32_t paste_special(HWND control) {
  UINT format = 0;
  if (OpenClipboard(control)) {
    format = EnumClipboardFormats(0);
    CloseClipboard();
  }
  if (format && SendMessageA(control, EM_CANPASTE, format, 0)) SendMessageA(control, EM_PASTESPECIAL, format, 0);
  return 0;
}
} // namespace

int32_t edit_command(Window* window, HWND control, int32_t code, const CommandArgs& args) {
  int32_t result = 0;
  if (simple_command_run(control, EDIT_SIMPLE, code, args, &result)) return result;
  switch (code) {
  case 5: return find_text(control, args);
  case 11: return get_line(control, args);
  case 16: return get_selection(control, args);
  case 17: return get_selected_text(control, args);
  case 33: return edit_stream_command(control, EM_STREAMOUT, args);
  case 34: return edit_stream_command(control, EM_STREAMIN, args);
  case 35: return paste_special(control);
  case 38:
    return richedit_print(control, arg_is_number(args.a[0]) ? arg_number(args.a[0]) : DEFAULT_PRINT_MARGIN);
  default: return edit_format_command(window, control, code, args);
  }
}
