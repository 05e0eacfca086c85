// Shutting down the Browser site of a window that is going, through the
// site's own entries.
#include <ole2.h>

#include "runtime/core/core.h"
#include "runtime/gui/gui_internal.h"

void gui_browser_shutdown(Window* record, HWND window) {
  BrowserSite* site = record->browser;
  if (!site) return;
  // Cleared first: what runs while the control closes sees no browser.
  record->browser = nullptr;
  if (site->release) site->release(window, site->event_cookie);
  if (site->detach) site->detach(window);
  // The site's attach initialised OLE, so its library is loaded.
  if (auto uninitialize = system_function<decltype(&OleUninitialize)>("ole32.dll", "OleUninitialize")) uninitialize();
  block_free(site);
}
