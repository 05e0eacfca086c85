// Runtime controls: child controls by Control kind, their colours and
// subclassing, the control-command dispatcher with rich-edit streaming, and
// printer output.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

// ---- Control creation ---------------------------------------------------------

// Control kinds.
constexpr int32_t KIND_BUTTON = 1;
constexpr int32_t KIND_CHECKBOX = 2;
constexpr int32_t KIND_RADIO = 3;
constexpr int32_t KIND_EDIT = 4;
constexpr int32_t KIND_LISTBOX = 5;
constexpr int32_t KIND_COMBOBOX = 6;
constexpr int32_t KIND_STATIC = 7;
constexpr int32_t KIND_SCROLLBAR = 8;
constexpr int32_t KIND_GROUPBOX = 9;
constexpr int32_t KIND_RICH_EDIT = 10;
constexpr int32_t KIND_LIST_VIEW = 11;
constexpr int32_t KIND_STATUS_BAR = 12;
constexpr int32_t KIND_PLAIN_BUTTON = 13; // a button of the caller's own button style
constexpr int32_t KIND_TREE_VIEW = 14;
constexpr int32_t KIND_HOT_BUTTON = 20;
constexpr int32_t KIND_CLASS = 99; // a control of a class given by name

int ctl_create(Window* window, int32_t kind, const char* text, int32_t x, int32_t y, int32_t width,
               int32_t height, uint32_t style, int32_t id);
HWND ctl_create_class(Window* window, const char* class_name, const char* text, int32_t x, int32_t y,
                      int32_t width, int32_t height, uint32_t style, uint32_t ex_style, int32_t id);

// ---- Colours and subclassing ---------------------------------------------------

int ctl_install(HWND control, int32_t kind);
int ctl_set_color(Window* window, int32_t id, COLORREF text_color, COLORREF back_color);
int ctl_set_hot_color(Window* window, int32_t id, COLORREF hot_color);

// Notification codes an edit field sends its parent for Tab and Enter.
constexpr int32_t NOTIFY_TAB_CODE = 0xA01;
constexpr int32_t NOTIFY_ENTER_CODE = 0xA00;

// A bitmap named by a text: a file path, "#n" / a number for a resource id,
// or a resource name. Null when none could be loaded.
HBITMAP bitmap_from_text(const char* text);

// ---- Control commands ---------------------------------------------------------------

// ctl_command codes of edit and rich-edit controls.
enum EditCode : int32_t {
  EDIT_COPY = 2,
  EDIT_CUT = 3,
  EDIT_FIRST_VISIBLE_LINE = 8, // result: the index of the top line shown
  EDIT_SET_LIMIT = 9,          // a1: the most characters the control takes
  EDIT_LIMIT = 10,             // result: that limit
  EDIT_LINE_COUNT = 12,        // result: the number of lines
  EDIT_MODIFIED = 13,          // result: nonzero once the text was changed
  EDIT_SET_MODIFIED = 14,      // a1: the modified flag
  EDIT_SELECT = 15,            // a1 start, a2 end (-1: to the end)
  EDIT_PASTE = 23,
  EDIT_UNDO = 32,
};

// Works control id of the window by a command code and up to four typed
// arguments; 0 for a closed window, an unknown id, a class it does not serve
// (edit and rich-edit, list view, status bar, tool bar), an unknown code or a
// wrong argument type.
//
// Strings that receive text never overflow. Codes that copy the control's
// text into a caller's string (edit 11, 17 and 33 into a string, list-view 6
// and 9) cut it to the string's capacity, the number of characters it holds
// before its zero byte:
//   - by default 254, a string variable's 255-byte buffer (by value and by
//     reference alike);
//   - another buffer gives its capacity as the next numeric argument the
//     code does not otherwise use: edit 11 a3 (its maximum count), edit 17
//     a2, edit 33 a3, list-view 6 a4, list-view 9 a3.
//     A negative capacity counts as 0 (only the zero byte is written).
// The bytes behind the zero byte are left untouched. Edit 17 and list-view
// 6 give the length of the text stored; edit 33 the number of characters
// the control streamed out, more than the string kept when it was cut. A line of any
// length comes whole from ctl_line_text.
int32_t ctl_command(Window* window, int32_t id, int32_t code, ValueSlot slot1, uint32_t type1, ValueSlot slot2,
                    uint32_t type2, ValueSlot slot3, uint32_t type3, ValueSlot slot4, uint32_t type4);
LRESULT ctl_send(ValueSlot target, uint32_t target_type, UINT message, WPARAM wparam, ValueSlot lparam,
                 uint32_t lparam_type, int32_t item_id);
// Line index (0-based) of an edit or rich-edit control, whole and of any
// length, without its line end, as a String temporary: empty for a line the
// control does not have; null when the window has no edit or rich-edit
// control with this id.
char* ctl_line_text(Window* window, int32_t id, int32_t index);

// ---- Printer output -------------------------------------------------------------------

typedef HANDLE PrinterChannel;
char* print_dialog(Window* window, int32_t* from_page, int32_t* to_page, int32_t* copies, int32_t* collate);
PrinterChannel print_open(const char* printer_name, const char* document_name, const char* data_type);
int print_write(PrinterChannel channel, ValueSlot value, uint32_t type_word);
int print_close(PrinterChannel channel);
