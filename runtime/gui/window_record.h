// The Window record: one per window or dialog, owned by the program and
// passed by address to every windowing operation. 26 fields in a fixed
// order: 32 bits each on 32-bit Windows; on 64-bit Windows the handles and
// addresses among them are 64 bits wide.
#pragma once

#include <windows.h>

#include <cstdint>

typedef int32_t (*Handler)();

struct BrowserSite;
struct DialogTemplate;

struct Window {
  HWND handle;            // zero while the window does not exist
  HBITMAP back_bitmap;    // backing store, or zero
  HFONT font;             // drawing font, a copy owned by the record
  HPEN pen;               // drawing pen, a copy owned by the record
  HWND mdi_client;        // an MDI frame's MDICLIENT child
  int32_t pos_x;          // current drawing position
  int32_t pos_y;
  uint32_t bk_mode;       // as GetBkMode gives it
  uint32_t rop_mode;      // as GetROP2 gives it
  uint32_t pen_style;     // style of the pens the runtime creates
  int32_t pen_width;      // width of those pens
  COLORREF text_bk_color; // text background colour
  COLORREF back_color;    // window background colour
  uint32_t backing_flags; // 0: none; nonzero: backing store; 0x10: stretched
  uint32_t dialog_keys;   // nonzero: msg_wait runs IsDialogMessageA
  HCURSOR cursor;         // cursor over the client area
  HDC paint_dc;           // set only while an erase event is handled
  HDC draw_dc;            // DC of the drawing scope in progress
  int32_t draw_depth;     // nesting of the drawing scope
  uint32_t is_dialog;     // 1 for records set up by dlg_create
  DialogTemplate* dialog; // dialog template record, owned by the record
  uint32_t surface_flag;  // reserved: always zero
  void* surface;          // reserved: always zero
  Handler handler;        // the program's Handler
  BrowserSite* browser;   // attached Browser site, or zero
  HDC print_dc;           // reserved: always zero
};

static_assert(sizeof(void*) == 8 || sizeof(Window) == 26 * 4, "the Window record is 26 fields of 32 bits");
static_assert(sizeof(void*) == 4 || sizeof(Window) == 160,
              "the Window record is 16 pointer-sized and 10 32-bit fields, naturally aligned");

// backing_flags bits
constexpr uint32_t BACKING_PRESENT = 0x1;
constexpr uint32_t BACKING_STRETCH = 0x10;

// Runtime options in the flags of win_open (removed before the rest is
// used as the window style).
constexpr uint32_t WIN_NO_BACKING = 0x10;
constexpr uint32_t WIN_MDI_FRAME = 0x20;
constexpr uint32_t WIN_NO_CAPTION = 0x40;
constexpr uint32_t WIN_BACKING_WINDOW_SIZE = 0x80;
constexpr uint32_t WIN_BACKING_STRETCH = 0x100;
constexpr uint32_t WIN_TOOL_WINDOW = 0x200;
constexpr uint32_t WIN_TOPMOST = 0x400;
constexpr uint32_t WIN_HIDDEN = 0x800; // opened hidden, to be shown once it is built
constexpr uint32_t WIN_OPTION_MASK = 0xFF0;
