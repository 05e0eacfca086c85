// The Event record and the delivery of one event to a record's Handler.
#include "runtime/gui/gui_internal.h"

int32_t event_code = 0;
WPARAM event_wparam = 0;
LPARAM event_lparam = 0;
uint32_t event_x = 0;
uint32_t event_y = 0;
Window* event_window = nullptr;
int32_t event_id = 0;
int32_t event_menu_id = 0;
int32_t event_notify = 0;

namespace {
// Every field but event_menu_id, which keeps the last menu pick.
struct SavedEvent {
  int32_t code;
  WPARAM wparam;
  LPARAM lparam;
  uint32_t x, y;
  Window* window;
  int32_t id, notify;
};

SavedEvent save_event() {
  return {event_code, event_wparam, event_lparam, event_x, event_y, event_window, event_id, event_notify};
}

void restore_event(const SavedEvent& s) {
  event_code = s.code;
  event_wparam = s.wparam;
  event_lparam = s.lparam;
  event_x = s.x;
  event_y = s.y;
  event_window = s.window;
  event_id = s.id;
  event_notify = s.notify;
}

// A frame's menu pick names its active MDI child; a window's, its topmost
// runtime child window.
void retarget_menu_pick(Window* record) {
  HWND child = nullptr;
  if (record->mdi_client) child = GetWindow(record->mdi_client, GW_CHILD);
  if (!child && record->handle) child = GetWindow(record->handle, GW_CHILD);
  if (Window* child_record = gui_record_of(child)) event_window = child_record;
}

void run_mdi_menu(Window* record, int32_t id) {
  if (!record->mdi_client) return;
  switch (id) {
  case MENU_MDI_CASCADE: SendMessageA(record->mdi_client, WM_MDICASCADE, 0, 0); break;
  case MENU_MDI_TILE: SendMessageA(record->mdi_client, WM_MDITILE, MDITILE_HORIZONTAL, 0); break;
  case MENU_MDI_ARRANGE: SendMessageA(record->mdi_client, WM_MDIICONARRANGE, 0, 0); break;
  default: break;
  }
}
} // namespace

int32_t event_deliver(Window* record, int32_t code, WPARAM wparam, LPARAM lparam) {
  SavedEvent saved = save_event();
  Handler handler = record->handler;
  event_wparam = wparam;
  event_lparam = lparam;
  event_window = record;

  if (code == WM_CLOSE) {
    code = EV_CLOSE;
  } else if (code >= WM_MOUSEMOVE && code <= WM_RBUTTONDBLCLK) {
    event_lparam = static_cast<LPARAM>(wparam);
    event_x = static_cast<uint32_t>(lparam & 0xFFFF);
    event_y = static_cast<uint32_t>((lparam >> 16) & 0xFFFF);
  } else if (code == WM_HSCROLL || code == WM_VSCROLL) {
    event_id = lparam ? GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) : 0;
    event_wparam = wparam & 0xFFFF;
    event_lparam = static_cast<LPARAM>((wparam >> 16) & 0xFFFF);
  } else if ((code == WM_COMMAND || code == EV_COMMAND) && lparam == 0) {
    code = EV_MENU;
    event_menu_id = static_cast<int32_t>(wparam & 0xFFFF);
    retarget_menu_pick(record);
    run_mdi_menu(record, event_menu_id);
  } else if (code == WM_COMMAND || code == EV_COMMAND) {
    code = EV_COMMAND;
    event_id = static_cast<int32_t>(wparam & 0xFFFF);
    event_notify = static_cast<int32_t>((wparam >> 16) & 0xFFFF);
  } else if (code == WM_NOTIFY) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lparam);
    code = EV_COMMAND;
    event_id = static_cast<int32_t>(hdr->idFrom);
    event_notify = static_cast<int32_t>(hdr->code);
  } else if (code == EV_SIZE) {
    event_lparam = reinterpret_cast<LPARAM>(record->handle);
  }

  event_code = code;
  int32_t result = handler ? handler() : 0;
  restore_event(saved);
  return result;
}
