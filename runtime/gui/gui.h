// Runtime windowing: windows and their records, events and the message loop,
// menus and accelerators, message boxes and file requesters, window graphics,
// and the hooks through which the windows reach the controls and the
// browser (the installer below, the Browser site's entries).
//
// Every operation takes the Window record by address and does nothing (and
// returns 0) when the record's handle is zero.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/gui/browser_site.h"
#include "runtime/gui/window_record.h"

// ---- Window record and window lifetime -----------------------------------

extern const char* const WND_CLASS_NAME;   // "CorvatineWndClass"
extern const char* const FRAME_CLASS_NAME; // "CorvatineFrameClass"
extern const char* const DLG_CLASS_NAME;   // "CorvatineDlgClass"

int win_open(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t flags,
             Window* parent, const char* title, Handler handler);
int win_close(Window* record);
int win_center(Window* record);
int win_set_color(Window* record, COLORREF color);
int win_client_size(Window* record, int32_t* x, int32_t* y, int32_t* width, int32_t* height);
int ctl_handle(Window* record, int32_t id);
// The control with this id in the record's window; null for a null record,
// a closed window or an id no control has.
HWND gui_control_of(const Window* record, int32_t id);
int ctl_move(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, int32_t id);
int ctl_show(Window* record, int32_t show_command, int32_t id);
void dlg_list_free();

// The atoms of the runtime's window classes (0 before they are registered).
ATOM gui_wnd_class_atom();
ATOM gui_frame_class_atom();
ATOM gui_dlg_class_atom(); // 0 until dialogs register their class
// The MDICLIENT class atom remembered by frame windows (0xFFFF before any).
ATOM gui_mdi_client_atom();
// The record stored in a runtime window's extra slot 0, or null.
Window* gui_record_of(HWND window);
bool gui_is_runtime_window(HWND window);

// ---- Events and the message loop -----------------------------------------

// The Event record: valid while a Handler runs.
extern int32_t event_code;
extern WPARAM event_wparam;
extern LPARAM event_lparam;
extern uint32_t event_x;
extern uint32_t event_y;
extern Window* event_window;
extern int32_t event_id;
extern int32_t event_menu_id;
extern int32_t event_notify;

// Event codes the runtime adds to the window messages.
constexpr int32_t EV_CLOSE = 0x8002;
constexpr int32_t EV_MENU = 0x8003;
constexpr int32_t EV_COMMAND = 0x8004;
constexpr int32_t EV_SIZE = 0x8009;
constexpr int32_t EV_BROWSER_BEFORE_NAVIGATE = 0x800D;
constexpr int32_t EV_BROWSER_NAVIGATE_DONE = 0x800E;
constexpr int32_t EV_ERASE = 0x800F;
constexpr int32_t EV_BROWSER_STATUS = 0x8010;
constexpr int32_t EV_BROWSER_NAVIGATE_ERROR = 0x8011;

// The old colour message (WM_CTLCOLOR) that runtime windows and dialogs
// send a control for each colour message about it; a control's subclass
// procedure answers with its brush.
constexpr UINT MSG_CTLCOLOR = 0x19;

// MDI window menu ids of a frame's "&Window" popup.
constexpr int32_t MENU_MDI_CASCADE = 0x8005;
constexpr int32_t MENU_MDI_TILE = 0x8006;
constexpr int32_t MENU_MDI_ARRANGE = 0x8007;

int32_t event_deliver(Window* record, int32_t code, WPARAM wparam, LPARAM lparam);
int msg_wait(int no_wait);
int timer_start(Window* record, uint32_t interval_ms, uint32_t timer_id, TIMERPROC routine);

// ---- Menus and accelerators ----------------------------------------------

HMENU menu_new(int popup);
int menu_append(HMENU menu, const char* text, uint32_t flags, uintptr_t id_or_submenu);
int menu_attach(Window* record, HMENU menu);
int accel_add(Window* record, uint8_t flags, uint16_t key, uint16_t command_id);

extern const char* const ACCEL_PROPERTY; // "_ACCEL_TABLE"

// ---- Dialogs ------------------------------------------------------------------------

int dlg_create(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style,
               Window* parent, const char* title, Handler handler);
int32_t dlg_modal(Window* record, Window* owner);
HWND dlg_show(Window* record, Window* owner);
int dlg_close(Window* record, int32_t result);
// Appends a Control item (a rectangle in dialog units) to a described
// dialog; nothing when the id is taken already.
int dlg_add_control(Window* window, uint32_t ex_style, const char* class_name, const char* text,
                    uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height, int32_t id,
                    int32_t kind, int32_t default_flag);
char* ctl_get_text(Window* record, int32_t id);
int ctl_set_text(Window* record, int32_t id, const char* text);
int ctl_set_focus(Window* record, int32_t id);

// ---- Message box and file requester ----------------------------------------

int msgbox_show(Window* owner, const char* text, const char* caption, uint32_t style);
// The message a requester and its callers give for a path longer than
// the system takes.
extern const char* const PATH_TOO_LONG_TEXT;
char* file_request(const char* title, Window* owner, int open, const char* filter,
                   const char* default_ext, uint32_t flags, const char* initial_dir);

// ---- Window graphics --------------------------------------------------------

HDC begin_draw(Window* record);
void end_draw(Window* record, HDC dc, int redraw);
int win_move(Window* record, int32_t x, int32_t y);
int win_front_pen(Window* record, COLORREF color);
int win_back_pen(Window* record, COLORREF color);
int win_set_font(Window* record, const char* face, int32_t points, int32_t weight, uint32_t style,
                 int32_t control_id);
// count pairs of (Value type code, value); 64-bit values for codes 14, 17, 18.
void win_print(int32_t count, ...);
int win_box(Window* record, int32_t left, int32_t top, int32_t width, int32_t height,
            COLORREF line_color, COLORREF fill_color);
int rect_fill(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color);
constexpr COLORREF make_rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return red | green << 8 | blue << 16;
}
int mdi_layout(HWND frame, HWND mdi_client);

constexpr COLORREF COLOR_NONE = 0xFFFFFFFFu; // -1: no fill / the text colour

// ---- Hooks the libraries above fill in ----------------------------------------

// Gives a control of a starting dialog the subclass procedure and colours of
// its Control kind.
typedef int (*ControlInstaller)(HWND control, int32_t kind);

struct GuiHooks {
  ControlInstaller install_control; // null: a dialog's controls keep their class's procedure
};
// Filled in by the controls library when it describes a dialog's control.
extern GuiHooks gui_hooks;
