// Runtime controls: child controls by Control kind, their colours and
// subclass procedures, owner-drawn buttons, the control-command dispatcher
// with rich-edit streaming, and printer output.
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
constexpr int32_t KIND_HOT_BUTTON = 20;
constexpr int32_t KIND_CLASS = 99; // a control of a class given by name

int ctl_create(Window* window, int32_t kind, const char* text, int32_t x, int32_t y, int32_t width,
               int32_t height, uint32_t style, int32_t id);
HWND ctl_create_class(Window* window, const char* class_name, const char* text, int32_t x, int32_t y,
                      int32_t width, int32_t height, uint32_t style, uint32_t ex_style, int32_t id);
int dlg_add_control(Window* window, uint32_t ex_style, const char* class_name, const char* text,
                    uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height, int32_t id,
                    int32_t kind, int32_t default_flag);

// ---- Colours and subclassing ---------------------------------------------------

int ctl_install(HWND control, int32_t kind);
int ctl_set_color(Window* window, int32_t id, COLORREF text_color, COLORREF back_color);
int ctl_set_hot_color(Window* window, int32_t id, COLORREF hot_color);
LRESULT CALLBACK ctl_proc_common(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_hot_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_static(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Notification codes an edit field sends its parent for Tab and Enter.
constexpr int32_t NOTIFY_TAB_CODE = 0xA01;
constexpr int32_t NOTIFY_ENTER_CODE = 0xA00;

// A bitmap named by a text: a file path, "#n" / a number for a resource id,
// or a resource name. Null when none could be loaded.
HBITMAP bitmap_from_text(const char* text);

// ---- Owner-drawn buttons ----------------------------------------------------------

// Draws a push button (kind 1) or hot-tracking button (kind 20).
void button_draw(HWND button, const DRAWITEMSTRUCT* item, int hot);

// ---- Control commands ---------------------------------------------------------------

int32_t ctl_command(Window* window, int32_t id, int32_t code, ValueSlot slot1, uint32_t type1, ValueSlot slot2,
                    uint32_t type2, ValueSlot slot3, uint32_t type3, ValueSlot slot4, uint32_t type4);
LRESULT ctl_send(ValueSlot target, uint32_t target_type, UINT message, WPARAM wparam, ValueSlot lparam,
                 uint32_t lparam_type, int32_t item_id);

// ---- Printer output -------------------------------------------------------------------

typedef HANDLE PrinterChannel;
char* print_dialog(Window* window, int32_t* from_page, int32_t* to_page, int32_t* copies, int32_t* collate);
PrinterChannel print_open(const char* printer_name, const char* document_name, const char* data_type);
int print_write(PrinterChannel channel, ValueSlot value, uint32_t type_word);
int print_close(PrinterChannel channel);
