// The Browser site: the record in a Window record's `browser` field. The
// windowing library owns it and calls the browser through its entries: the
// message loop for key-down messages, the window procedure on size changes,
// win_close to disconnect and detach. The browser library fills the entries
// in when it attaches a browser to a window (browser_attach).
#pragma once

#include <windows.h>

#include <cstdint>

typedef void (*BrowserDetachEntry)(HWND window);
typedef int32_t (*BrowserKeyEntry)(HWND window, const MSG* message);
typedef int32_t (*BrowserResizeEntry)(HWND window, int32_t width, int32_t height);
typedef int32_t (*BrowserReleaseEntry)(HWND window, DWORD cookie);

// The four texts are owned by the site (C runtime calloc / free) and are
// null while there is none.
struct BrowserSite {
  BrowserDetachEntry detach;       // browser_detach
  BrowserKeyEntry translate_key;   // browser_translate_key
  BrowserResizeEntry resize;       // browser_resize
  int32_t can_go_back;             // 1 or 0, kept by the event sink
  int32_t can_go_forward;          // 1 or 0, kept by the event sink
  DWORD event_cookie;              // from browser_connect_events; 0: no events
  BrowserReleaseEntry release;     // browser_disconnect_events
  char* post_data;                 // bytes posted by the navigation announced
  char* headers;                   // its extra headers
  char* url;                       // URL announced or last completed
  int32_t cancel;                  // set by code 9 while a navigation is announced
  char* status_text;               // the browser's last status-bar text
};

static_assert(sizeof(void*) == 8 || sizeof(BrowserSite) == 12 * 4, "the Browser site is 12 fields of 32 bits");
static_assert(sizeof(void*) == 4 || sizeof(BrowserSite) == 88,
              "the Browser site is 8 pointer-sized and 4 32-bit fields, naturally aligned");
