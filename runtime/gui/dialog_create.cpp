// Describing a dialog: the template record with its frame in dialog units,
// and the Control items of its controls.
#include <cmath>
#include <cstring>

#include "runtime/core/core.h"
#include "runtime/gui/dialog_internal.h"
#include "runtime/gui/draw_internal.h"

namespace {
constexpr uint32_t kDialogStyle = WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT; // 0x900000C0
constexpr size_t kTitleMax = sizeof(DialogTemplate::title) - 1;

// Base units of the measuring font, "MS Sans Serif" of height 8 in a memory
// DC: average character width + 1 and character height.
void measure_base_units(DialogTemplate* dialog) {
  MemoryDC dc;
  GdiObject font(CreateFontA(8, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, DEFAULT_QUALITY, 0, "MS Sans Serif"));
  TEXTMETRICA tm{};
  bool measured = false;
  if (dc.get() && font.get()) {
    HGDIOBJ old = SelectObject(dc.get(), font.get());
    measured = GetTextMetricsA(dc.get(), &tm) != 0;
    SelectObject(dc.get(), old);
  }
  if (measured && tm.tmAveCharWidth + 1 > 0 && tm.tmHeight > 0) {
    dialog->base_x = tm.tmAveCharWidth + 1;
    dialog->base_y = tm.tmHeight;
  } else {
    // Never divide by a zero unit: the system's own dialog base units.
    LONG units = GetDialogBaseUnits();
    dialog->base_x = LOWORD(units);
    dialog->base_y = HIWORD(units);
  }
}

// round(pixels * units / base) to the nearest unit; without base units the
// pixels are kept.
int32_t to_units(double pixels, int32_t units, int32_t base) {
  if (base <= 0) return static_cast<int32_t>(pixels);
  return static_cast<int32_t>(std::lround(pixels * units / base));
}

char* copy_text(const char* text) {
  if (!text) return nullptr;
  size_t n = std::strlen(text);
  char* copy = static_cast<char*>(block_alloc(VT_BYTE, static_cast<uint32_t>(n + 1)));
  if (copy) std::memcpy(copy, text, n + 1);
  return copy;
}
} // namespace

DialogRect dlg_units_from_pixels(int32_t base_x, int32_t base_y, int32_t x, int32_t y, int32_t width,
                                 int32_t height) {
  int32_t left = to_units(x, 4, base_x);
  int32_t right = to_units(static_cast<double>(x) + width, 4, base_x);
  int32_t top = to_units(y, 8, base_y);
  int32_t bottom = to_units(static_cast<double>(y) + height, 8, base_y);
  return {left, top, right - left, bottom - top};
}

int dlg_create(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t style,
               Window* parent, const char* title, Handler handler) {
  dlg_register_class();
  DialogTemplate* dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  if (!dialog) return 0;
  // Describing the same record again replaces its old description.
  if (record->is_dialog == 1 && record->dialog) dlg_template_free(record->dialog);

  record->handler = handler;
  record->handle = nullptr;
  record->paint_dc = nullptr;
  record->draw_dc = nullptr;
  record->draw_depth = 0;
  record->print_dc = nullptr;
  record->surface_flag = 0;
  record->surface = nullptr;
  record->browser = nullptr;
  record->bk_mode = 0;
  record->text_bk_color = 0;
  record->rop_mode = 0;
  record->pen_style = 0;
  record->is_dialog = 1;
  record->dialog_keys = 1;
  record->cursor = LoadCursorA(nullptr, IDC_ARROW);
  record->pen_width = 1;
  record->dialog = dialog;

  dialog->style = style | kDialogStyle;
  dialog->ex_style = 0;
  if (title) std::strncpy(dialog->title, title, kTitleMax); // the block is zeroed: always terminated
  dialog->owner = parent ? parent->handle : nullptr;
  dialog->controls = nullptr;
  dialog->modeless = 0;
  measure_base_units(dialog);
  DialogRect frame = dlg_units_from_pixels(dialog->base_x, dialog->base_y, x, y, width, height);
  dialog->x = frame.x;
  dialog->y = frame.y;
  dialog->width = frame.width;
  dialog->height = frame.height;

  dlg_list_add(record);
  return 1;
}

int dlg_add_control(Window* window, uint32_t ex_style, const char* class_name, const char* text,
                    uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height, int32_t id,
                    int32_t kind, int32_t default_flag) {
  if (!window || !window->dialog) return 0;
  ControlItem** tail = &window->dialog->controls;
  for (; *tail; tail = &(*tail)->next)
    if ((*tail)->id == id) return 0;

  ControlItem* item = static_cast<ControlItem*>(block_alloc(VT_BYTE, sizeof(ControlItem)));
  if (!item) return 0;
  item->text = copy_text(text);
  if (text && !item->text) {
    block_free(item);
    return 0;
  }
  item->style = style;
  item->ex_style = ex_style;
  if (class_name) lstrcpynA(item->class_name, class_name, sizeof item->class_name);
  item->kind = kind;
  item->x = x;
  item->y = y;
  item->width = width;
  item->height = height;
  item->id = id;
  item->default_button = default_flag;
  *tail = item;
  return 0;
}
