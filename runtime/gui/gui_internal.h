// State shared between the window files of the runtime (not for programs).
#pragma once

#include "runtime/gui/gui.h"

// Registers the two window classes once; their atoms afterwards.
void gui_register_classes();
// Remembers the atom of the dialog class once dialogs registered it.
void gui_set_dlg_class_atom(ATOM atom);

// The window procedure of both runtime window classes.
LRESULT CALLBACK gui_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
// Paint and erase handling of the runtime window procedure; both give 1.
LRESULT gui_paint(Window* record, HWND hwnd, WPARAM wparam, LPARAM lparam);
LRESULT gui_erase(Window* record, HWND hwnd, WPARAM wparam, LPARAM lparam);

// What runtime windows and dialogs pass on to their controls: a colour
// message about a control (WM_CTLCOLORDLG aside) goes to it as
// MSG_CTLCOLOR, and WM_DRAWITEM to the control it names. True, with the
// control's answer in *answer, when the message went to a control.
bool gui_reflect_to_control(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* answer);

// The record whose window win_open is creating at the moment, or null.
extern Window* g_creating_record;

// Closes a record whose window is going or gone: shuts down its browser,
// deletes what it owns (accelerator table, backing bitmap, pen, font) and
// clears those fields and its handle, so nothing is freed twice.
void gui_close_record(Window* record, HWND window);

// Disconnects and detaches the record's browser, ends its OLE use and frees
// its Browser site; nothing without one.
void gui_browser_shutdown(Window* record, HWND window);

// Remembers the MDICLIENT atom (frame windows) or marks that a plain window
// opened before any frame.
void gui_note_window_opened(HWND mdi_client);
// True when the window's parent is an MDI client.
bool gui_is_mdi_child(HWND window);
