// Running a described dialog, modal or modeless, and ending it.
#include "runtime/core/core.h"
#include "runtime/gui/dialog_internal.h"
#include "runtime/gui/gui_internal.h"

Window* g_starting_dialog = nullptr;

namespace {
HWND owner_window(const Window* record, const Window* owner) {
  return owner ? owner->handle : record->dialog->owner;
}
} // namespace

int32_t dlg_modal(Window* record, Window* owner) {
  if (!dlg_described(record)) return 0;
  if (record->handle) return -1; // already running: one dialog window per record
  void* layout = dlg_template_build(record->dialog, nullptr);
  if (!layout) return -1;
  record->dialog->modeless = 0;
  g_starting_dialog = record;
  INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(layout),
                                           owner_window(record, owner), dlg_proc, 0);
  g_starting_dialog = nullptr; // not taken when the system could not create the dialog
  block_free(layout);
  return static_cast<int32_t>(result);
}

HWND dlg_show(Window* record, Window* owner) {
  if (!dlg_described(record)) return nullptr;
  if (record->handle) { // already running: bring that one forward
    ShowWindow(record->handle, SW_SHOW);
    SetActiveWindow(record->handle);
    return record->handle;
  }
  void* layout = dlg_template_build(record->dialog, nullptr);
  if (!layout) return nullptr;
  // Set before the dialog exists, so that a Handler closing it during
  // WM_INITDIALOG destroys it rather than ending a modal loop.
  record->dialog->modeless = 1;
  g_starting_dialog = record;
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(layout),
                             owner_window(record, owner), dlg_proc, 0);
  g_starting_dialog = nullptr;
  block_free(layout);
  if (record->handle) ShowWindow(record->handle, SW_SHOW);
  return record->handle;
}

int dlg_close(Window* record, int32_t result) {
  if (!record->handle || !dlg_described(record)) return 0;
  HWND window = record->handle;
  if (record->dialog->modeless) {
    DestroyWindow(window);
  } else {
    // A modal dialog is destroyed only when its loop ends, after the record
    // has stopped naming it, so what it holds goes now.
    gui_close_record(record, window);
    EndDialog(window, result);
  }
  record->handle = nullptr;
  return 0;
}
