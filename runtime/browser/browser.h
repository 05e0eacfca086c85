// Browser host: the system's web-browser control embedded in a runtime
// window, the site that holds it, the events it raises and the operations
// that drive it.
//
// A program attaches a browser to an open window with browser_attach and
// drives it with browser_command. browser_attach fills in the entries of the
// window's Browser site (runtime/gui/browser_site.h), through which the
// window code calls the rest: the message loop for key-down messages, the
// window procedure on size changes, win_close to disconnect and detach. The
// control's events reach the window's Handler as the event codes
// EV_BROWSER_BEFORE_NAVIGATE, EV_BROWSER_NAVIGATE_DONE and EV_BROWSER_STATUS
// (gui.h); their texts are read with browser_command. EV_BROWSER_NAVIGATE_ERROR
// says that the page could not be shown: the control refused to go to it, or
// reported that going there failed (NavigateError for its top frame, with the
// page's URL).
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/gui/gui.h"

// Size of a caller's buffer when browser_command is given none.
constexpr int32_t BROWSER_TEXT_SIZE = 255;

// browser_command codes.
enum BrowserCode : int32_t {
  BROWSER_NAVIGATE = 0,        // text: a URL or a file name
  BROWSER_HOME = 1,
  BROWSER_BACK = 2,
  BROWSER_FORWARD = 3,
  BROWSER_REFRESH = 4,
  BROWSER_STOP = 5,
  BROWSER_LOCATION_NAME = 6,   // buffer [, size]
  BROWSER_CAN_GO_BACK = 7,     // result 1 or 0
  BROWSER_CAN_GO_FORWARD = 8,  // result 1 or 0
  BROWSER_CANCEL = 9,          // answer to EV_BROWSER_BEFORE_NAVIGATE
  BROWSER_POST_DATA = 10,      // buffer [, size]
  BROWSER_HEADERS = 11,        // buffer [, size]
  BROWSER_URL = 12,            // buffer [, size]
  BROWSER_PRINT = 13,          // result 0, or -1 without a control
  BROWSER_WRITE_HTML = 14,     // text: the page
  BROWSER_STATUS_TEXT = 15,    // buffer [, size]
  BROWSER_SEARCH = 16,
};

// ---- Called by programs -------------------------------------------------------

// Embeds a browser in the record's window and connects its events; then
// navigates to url unless it is null. 0, or -1 when the window is closed,
// already has a browser, or no control could be embedded (then nothing is
// left over).
int32_t browser_attach(Window* record, const char* url);

// Works the record's browser by a code (BrowserCode). Without a browser
// every code does nothing and gives 0; a code that needs a text or a buffer
// does nothing without one. Codes that fill a buffer write at most size
// bytes, the zero byte included: a text that does not fit is cut to its
// first size - 1 bytes. A size below 1 writes nothing.
int32_t browser_command(Window* record, int32_t code, const char* text = nullptr);
int32_t browser_command(Window* record, int32_t code, char* buffer, int32_t size = BROWSER_TEXT_SIZE);
