// The typed arguments of ctl_command and the pieces its four class tables
// share: reading a slot as a number, a string or a text channel, the size of
// a string that receives text, and the table of codes that only forward
// their arguments to one message.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

struct CommandArg {
  ValueSlot slot;
  uint32_t type;
};

// a[0] is the first argument (a1), a[3] the fourth.
struct CommandArgs {
  CommandArg a[4];
};

// A string that receives text and is given no size holds this many
// characters before its zero byte: a string variable's 255-byte buffer.
constexpr int32_t STRING_VARIABLE_CAPACITY = 254;

// Codes 2 and 19, read from the slot or, by reference, from the variable it
// points to. A by-reference number with a null address is absent.
bool arg_is_number(const CommandArg& arg);
int32_t arg_number(const CommandArg& arg); // 0 when not a number
// A numeric argument passed by reference: the address of its variable.
bool arg_is_number_ref(const CommandArg& arg);

// Code 0: the slot holds the characters' address, by value and by reference
// alike. A null address is absent.
bool arg_is_string(const CommandArg& arg);
char* arg_string(const CommandArg& arg); // null when not a string

// Code 6: the slot holds a File channel's address; an open channel only.
bool arg_is_open_text_channel(const CommandArg& arg);
HANDLE arg_channel_handle(const CommandArg& arg);

// The number of characters a receiving string holds before its zero byte:
// the value of a numeric size argument (never below 0), else
// STRING_VARIABLE_CAPACITY.
int32_t arg_capacity(const CommandArg& size_arg);

// Copies at most capacity bytes of text (length bytes long) to a caller's
// string and closes it with a zero byte; the number of bytes copied.
int32_t copy_cut(char* destination, int32_t capacity, const char* text, int32_t length);

// ---- Codes that forward arguments unchanged ---------------------------------

enum class Operand : uint8_t { zero, fixed, num1, num2, str1, str2 };

struct SimpleCommand {
  int32_t code;
  UINT message;
  Operand wparam;
  Operand lparam;
  int32_t fixed;    // the value of an Operand::fixed
  bool result_zero; // the code gives 0, whatever the message returned
};

// Runs code when the table lists it: checks the operands' types, sends the
// message and stores the result (0 without sending when a type is wrong).
// False when the table does not list the code.
bool simple_command_run(HWND control, const SimpleCommand* table, size_t count, int32_t code,
                        const CommandArgs& args, int32_t* result);

template <size_t N>
bool simple_command_run(HWND control, const SimpleCommand (&table)[N], int32_t code, const CommandArgs& args,
                        int32_t* result) {
  return simple_command_run(control, table, N, code, args, result);
}

// ---- The class tables --------------------------------------------------------

int32_t edit_command(Window* window, HWND control, int32_t code, const CommandArgs& args);
int32_t edit_format_command(Window* window, HWND control, int32_t code, const CommandArgs& args);
int32_t listview_command(HWND control, int32_t code, const CommandArgs& args);
int32_t statusbar_command(HWND control, int32_t code, const CommandArgs& args);
int32_t toolbar_command(Window* window, HWND control, int32_t code, const CommandArgs& args);

// The control with this id when its class is an edit or rich-edit control.
HWND edit_control_of(Window* window, int32_t id);

// At most `most` characters of line index of an edit or rich-edit control,
// without its line end, as a String temporary; *length is their count.
char* edit_line_read(HWND control, int32_t index, int32_t most, int32_t* length);

// Sizes the window's MDI client beside its tool bars and status bars, when
// it has one.
void refit_mdi_client(Window* window);
