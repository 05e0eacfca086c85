// State shared between the control files of the runtime (not for programs):
// the kind table, property names and the helpers of the subclass procedures.
#pragma once

#include "runtime/controls/controls.h"

// ---- Control properties ------------------------------------------------------

constexpr const char PROP_LPFN[] = "LPFN";
constexpr const char PROP_FGRND[] = "FGRND";
constexpr const char PROP_BGRND[] = "BGRND";
constexpr const char PROP_BBRUSH[] = "BBRUSH";
constexpr const char PROP_HTCLR[] = "HTCLR";
constexpr const char PROP_HBRUSH[] = "HBRUSH";
constexpr const char PROP_BORDERWIDTH[] = "BORDERWIDTH";
constexpr const char PROP_DOHOT[] = "DOHOT";
constexpr const char PROP_HOTBMP[] = "HOTBMP";
constexpr const char PROP_NORBMP[] = "NORBMP";
constexpr const char PROP_SELBMP[] = "SELBMP";
constexpr const char PROP_NOTIFY_TAB[] = "NOTIFY_TAB";
constexpr const char PROP_NOTIFY_ENTER[] = "NOTIFY_ENTER";
// The font last given to the control (WM_SETFONT) since it was installed:
// the control's own, deleted with it. A font it had before (its dialog's)
// or one its class made for itself belongs to the dialog or the class.
constexpr const char PROP_OWNFONT[] = "OWNFONT";

inline HANDLE prop_get(HWND control, const char* name) { return GetPropA(control, name); }
inline uintptr_t prop_value(HWND control, const char* name) {
  return reinterpret_cast<uintptr_t>(GetPropA(control, name));
}
inline void prop_set(HWND control, const char* name, uintptr_t value) {
  SetPropA(control, name, reinterpret_cast<HANDLE>(value));
}

// ---- Control kinds ----------------------------------------------------------------

struct ControlKind {
  int32_t kind;
  const char* class_name;
  uint32_t added_style;    // ORed into the caller's style
  bool owner_draw;         // adds BS_OWNERDRAW unless the caller asks for BS_BITMAP
  uint32_t ex_style;       // extended style
  bool edge_with_border;   // WS_EX_CLIENTEDGE only when the caller gives WS_BORDER
  bool notes_default;      // BS_DEFPUSHBUTTON makes it a dialog's default button
  bool common_controls;    // needs InitCommonControls
  bool rich_edit;          // needs riched32.dll
};

// The kind's row of the table, or null for a kind that makes nothing.
const ControlKind* control_kind(int32_t kind);

// The subclass procedure and the system colour of the background by kind.
struct KindColors {
  WNDPROC proc;
  int background; // a COLOR_* index
};
KindColors control_kind_colors(int32_t kind);

// Once per process.
void controls_init_common();
bool controls_load_rich_edit();

// ---- Subclass procedures ------------------------------------------------------------

// By kind (control_kind_colors): every kind but the ones below, push
// buttons, hot-tracking buttons, statics.
LRESULT CALLBACK ctl_proc_common(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_hot_button(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ctl_proc_static(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Draws a push button (kind 1) or hot-tracking button (kind 20).
void button_draw(HWND button, const DRAWITEMSTRUCT* item, int hot);

// ---- Subclass procedure helpers ----------------------------------------------------

// Calls the procedure stored in "LPFN"; 0 when there is none.
LRESULT ctl_call_previous(HWND control, UINT message, WPARAM wparam, LPARAM lparam);
// Sets the DC's colours from "FGRND" and "BGRND".
void ctl_apply_colors(HWND control, HDC dc);
// Removes the colour properties and deletes the background brush.
void ctl_release_colors(HWND control);
// WM_SETFONT: the control owns the font from now on.
void ctl_note_font(HWND control, WPARAM font);
// Deletes the font the control owns.
void ctl_release_font(HWND control);
// Puts the previous procedure back and removes "LPFN"; gives that procedure.
WNDPROC ctl_restore_procedure(HWND control);

// ---- Bitmaps from texts ---------------------------------------------------------------

// True for a button with BS_BITMAP or a static with SS_BITMAP.
bool ctl_shows_bitmap(HWND control);
// Loads the bitmap a text names and shows it on a bitmap button or static;
// the bitmap it replaces is deleted.
void ctl_show_bitmap_from_text(HWND control, const char* text);
// The same with the control's own text.
void ctl_show_bitmap_from_window_text(HWND control);
// The bitmap a button or static shows now, or null.
HBITMAP ctl_current_bitmap(HWND control);

// WM_CREATE and WM_SETTEXT of a button or static: passes the message on and,
// when the control shows a bitmap, shows the bitmap its text names.
LRESULT ctl_pass_text(HWND control, UINT message, WPARAM wparam, LPARAM lparam);
// What a button or static gives back at WM_DESTROY: its font, the bitmap it
// shows and its colours; the bitmap is returned (already deleted) so that
// callers do not delete it again.
HBITMAP ctl_release_button_objects(HWND control);
