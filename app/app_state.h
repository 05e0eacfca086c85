// The editor's globals: its Window records, the client rectangle, the view
// switches, the one file channel and the texts on their way to and from it.
// They live for the whole run and are used only on the GUI thread.
#pragma once

#include <cstdint>

#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

extern Window editor_window;
extern Window search_dialog;
extern Window run_window;

extern int32_t client_left;
extern int32_t client_top;
extern int32_t client_width;
extern int32_t client_height;

extern int32_t line_numbers_on;
extern int32_t script_running;

// String temporaries owned by their globals (null before first use).
extern char* file_name;
extern char* file_line;
extern char* document_text;

extern FileChannel file_channel;

// The type word of every call on file_channel.
constexpr uint32_t FILE_CHANNEL_TYPE = VT_TEXT_CHANNEL | VT_REF;

// Replaces the text a global holds, freeing the old one; takes value.
void text_global_set(char** global, char* value);

// Fixed look and layout of the editor.
constexpr int32_t EDIT_FIELD_ID = 1;
// The editor's window, and the player's: a sizing border, minimize and
// maximize boxes, no backing picture.
constexpr uint32_t EDITOR_WINDOW_FLAGS = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WIN_NO_BACKING;
constexpr int32_t GUTTER_WIDTH = 30;
constexpr COLORREF EDITOR_BACK_COLOR = make_rgb(34, 85, 136);
constexpr COLORREF EDITOR_TEXT_COLOR = make_rgb(200, 255, 255);
