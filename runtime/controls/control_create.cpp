// Creating child controls by Control kind or by class name. On a dialog
// record a control is only described: it becomes a Control item of the
// dialog's template and comes into being when the dialog runs.
#include "runtime/controls/controls_internal.h"
#include "runtime/gui/dialog_records.h"

namespace {
constexpr uint32_t STYLE_VISIBLE_CHILD = WS_CHILD | WS_VISIBLE; // 0x50000000
constexpr uint32_t STYLE_CREATE_HIDDEN = 0x80000;

bool describes_dialog(const Window* window) { return window->is_dialog && window->dialog; }

// Converts a dialog's rectangle to dialog units, or for a window refuses a
// closed window and an id that is taken. False when nothing is to be made.
bool prepare(Window* window, int32_t id, int32_t* x, int32_t* y, int32_t* width, int32_t* height) {
  if (describes_dialog(window)) {
    const DialogRect units =
        dlg_units_from_pixels(window->dialog->base_x, window->dialog->base_y, *x, *y, *width, *height);
    *x = units.x;
    *y = units.y;
    *width = units.width;
    *height = units.height;
    return true;
  }
  return window->handle && !GetDlgItem(window->handle, id);
}

// A dialog's control becomes a Control item; the dialog gives it its kind's
// subclass procedure when it starts.
void describe_item(Window* window, uint32_t ex_style, const char* class_name, const char* text, uint32_t style,
                   int32_t x, int32_t y, int32_t width, int32_t height, int32_t id, int32_t kind,
                   int32_t default_button) {
  gui_hooks.install_control = ctl_install;
  dlg_add_control(window, ex_style, class_name, text, style, x, y, width, height, id, kind, default_button);
}

HWND create_child(Window* window, uint32_t ex_style, const char* class_name, const char* text, uint32_t style,
                  int32_t x, int32_t y, int32_t width, int32_t height, int32_t id) {
  return CreateWindowExA(ex_style, class_name, text, style, x, y, width, height, window->handle,
                         reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), GetModuleHandleA(nullptr), nullptr);
}
} // namespace

int ctl_create(Window* window, int32_t kind, const char* text, int32_t x, int32_t y, int32_t width,
               int32_t height, uint32_t style, int32_t id) {
  // An unknown kind names no class: nothing is made, and a dialog gets no
  // item that would stop the whole dialog from being created.
  const ControlKind* k = control_kind(kind);
  if (!window || !k) return 0;
  if (!prepare(window, id, &x, &y, &width, &height)) return 0;

  const uint32_t caller = style;
  if (k->owner_draw && !(caller & BS_BITMAP)) style |= BS_OWNERDRAW;
  style |= k->added_style;
  uint32_t ex_style = k->ex_style;
  if (k->edge_with_border && (caller & WS_BORDER)) ex_style |= WS_EX_CLIENTEDGE;
  const int32_t default_button = k->notes_default && (caller & BS_DEFPUSHBUTTON) ? 1 : 0;
  style |= STYLE_VISIBLE_CHILD;
  if (caller & STYLE_CREATE_HIDDEN) style &= ~(WS_VISIBLE | STYLE_CREATE_HIDDEN);

  // Also for a dialog's item: its class must exist when the dialog runs.
  if (k->common_controls) controls_init_common();
  if (k->rich_edit) controls_load_rich_edit();
  if (window->is_dialog) {
    describe_item(window, ex_style, k->class_name, text, style, x, y, width, height, id, kind, default_button);
    return 0;
  }
  HWND control = create_child(window, ex_style, k->class_name, text, style, x, y, width, height, id);
  ctl_install(control, kind);
  if (control && kind == KIND_STATUS_BAR && window->mdi_client) mdi_layout(window->handle, window->mdi_client);
  return 0;
}

HWND ctl_create_class(Window* window, const char* class_name, const char* text, int32_t x, int32_t y,
                      int32_t width, int32_t height, uint32_t style, uint32_t ex_style, int32_t id) {
  if (!window || !prepare(window, id, &x, &y, &width, &height)) return nullptr;
  style |= STYLE_VISIBLE_CHILD;
  controls_init_common();
  if (window->is_dialog) {
    describe_item(window, ex_style, class_name, text, style, x, y, width, height, id, KIND_CLASS, 0);
    return nullptr;
  }
  HWND control = create_child(window, ex_style, class_name, text, style, x, y, width, height, id);
  ctl_install(control, KIND_CLASS);
  return control;
}
