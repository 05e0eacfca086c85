// browser_command: the program's one door to its window's browser.
#include "runtime/browser/browser_internal.h"

namespace {
typedef HRESULT (STDMETHODCALLTYPE IWebBrowser2::*PlainMethod)();

void call_plain(HWND window, PlainMethod method) {
  if (IWebBrowser2* web = control_web_browser(window)) {
    (web->*method)();
    web->Release();
  }
}

PlainMethod plain_method(int32_t code) {
  switch (code) {
  case BROWSER_HOME: return &IWebBrowser2::GoHome;
  case BROWSER_BACK: return &IWebBrowser2::GoBack;
  case BROWSER_FORWARD: return &IWebBrowser2::GoForward;
  case BROWSER_REFRESH: return &IWebBrowser2::Refresh;
  case BROWSER_STOP: return &IWebBrowser2::Stop;
  case BROWSER_SEARCH: return &IWebBrowser2::GoSearch;
  default: return nullptr;
  }
}

// The site's text a buffer code copies, or null for other codes.
char* const* site_text(const BrowserSite* site, int32_t code) {
  switch (code) {
  case BROWSER_POST_DATA: return &site->post_data;
  case BROWSER_HEADERS: return &site->headers;
  case BROWSER_URL: return &site->url;
  case BROWSER_STATUS_TEXT: return &site->status_text;
  default: return nullptr;
  }
}

int32_t run(Window* record, int32_t code, const char* text, char* buffer, int32_t size) {
  if (!record || !record->browser || !record->handle) return 0;
  BrowserSite* site = record->browser;
  HWND window = record->handle;
  if (PlainMethod method = plain_method(code)) {
    call_plain(window, method);
    return 0;
  }
  if (char* const* field = site_text(site, code)) {
    if (buffer) copy_text_cut(buffer, size, *field);
    return 0;
  }
  switch (code) {
  case BROWSER_NAVIGATE:
    if (text) browser_navigate(window, text);
    return 0;
  case BROWSER_LOCATION_NAME:
    if (buffer) browser_location_name(window, buffer, size);
    return 0;
  case BROWSER_CAN_GO_BACK: return site->can_go_back ? 1 : 0;
  case BROWSER_CAN_GO_FORWARD: return site->can_go_forward ? 1 : 0;
  case BROWSER_CANCEL: site->cancel = 1; return 0;
  case BROWSER_PRINT: return browser_print(window);
  case BROWSER_WRITE_HTML:
    if (text) browser_write_html(window, text);
    return 0;
  default: return 0;
  }
}
} // namespace

int32_t browser_command(Window* record, int32_t code, const char* text) {
  return run(record, code, text, nullptr, 0);
}

int32_t browser_command(Window* record, int32_t code, char* buffer, int32_t size) {
  return run(record, code, buffer, buffer, size);
}
