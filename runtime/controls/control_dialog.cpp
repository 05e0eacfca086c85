// Control items of a dialog record, and pixels to dialog units.
#include <cmath>
#include <cstring>

#include "runtime/controls/controls_internal.h"

namespace {
// round(pixels * units / base), to the nearest integer; a template without
// base units (never measured) keeps the pixels.
int32_t to_units(int32_t pixels, int32_t units, int32_t base) {
  if (base <= 0) return pixels;
  return static_cast<int32_t>(std::lround(static_cast<double>(pixels) * units / base));
}

char* copy_text(const char* text) {
  if (!text) return nullptr;
  size_t n = std::strlen(text);
  char* copy = static_cast<char*>(block_alloc(VT_BYTE, static_cast<uint32_t>(n + 1)));
  if (copy) std::memcpy(copy, text, n + 1);
  return copy;
}
} // namespace

void dialog_units_from_pixels(const DialogTemplate* dialog, int32_t* x, int32_t* y, int32_t* width,
                              int32_t* height) {
  int32_t left = to_units(*x, 4, dialog->base_x);
  int32_t right = to_units(*x + *width, 4, dialog->base_x);
  int32_t top = to_units(*y, 8, dialog->base_y);
  int32_t bottom = to_units(*y + *height, 8, dialog->base_y);
  *x = left;
  *y = top;
  *width = right - left;
  *height = bottom - top;
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
