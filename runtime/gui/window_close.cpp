// Closing a window and releasing what its record owns.
#include "runtime/gui/gui_internal.h"

namespace {
void release_record(Window* record, HWND window) {
  if (HANDLE accel = GetPropA(window, ACCEL_PROPERTY)) {
    RemovePropA(window, ACCEL_PROPERTY);
    DestroyAcceleratorTable(static_cast<HACCEL>(accel));
  }
  if (record->back_bitmap) DeleteObject(record->back_bitmap);
  if (record->pen) DeleteObject(record->pen);
  if (record->font) DeleteObject(record->font);
  // Cleared, not left stale: a handle value may be reused by a new object,
  // which a second release must not delete.
  record->back_bitmap = nullptr;
  record->pen = nullptr;
  record->font = nullptr;
}
} // namespace

void gui_close_record(Window* record, HWND window) {
  gui_browser_shutdown(record, window);
  release_record(record, window);
  record->handle = nullptr;
}

int win_close(Window* record) {
  HWND window = record->handle;
  if (!window || record->is_dialog) return 0;
  gui_browser_shutdown(record, window);
  // The Handler sees the destroy events while handle is still set; the
  // window procedure releases the record's objects as the window goes.
  if (gui_is_mdi_child(window))
    SendMessageA(GetParent(window), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
  else
    DestroyWindow(window);
  // The window outlived the request (or was not ours): release anyway.
  if (record->handle == window) gui_close_record(record, window);
  return 0;
}
