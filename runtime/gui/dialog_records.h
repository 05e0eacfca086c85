// Descriptions of dialogs before they run: the dialog template record that
// hangs from a dialog's Window record, and its chain of Control items.
#pragma once

#include <windows.h>

#include <cstdint>

struct ControlItem {
  ControlItem* next;      // null at the end of the list
  uint32_t style;         // final window style
  uint32_t ex_style;
  char* text;             // owned copy of the control's text (block_alloc), or null
  char class_name[32];    // zero-terminated
  int32_t kind;           // Control kind, 99 for a class given by name
  int32_t x, y, width, height; // dialog units
  int32_t id;
  int32_t default_button; // 1 or 0
};

struct DialogTemplate {
  uint32_t style;
  uint32_t ex_style;
  char title[256];
  HWND owner;
  int32_t x, y, width, height; // dialog units
  int32_t base_x;              // horizontal base unit in pixels
  int32_t base_y;              // vertical base unit in pixels
  ControlItem* controls;       // first Control item, or null
  uint32_t modeless;           // 1 once shown by dlg_show
};

// A rectangle in dialog units.
struct DialogRect {
  int32_t x, y, width, height;
};

// Converts a rectangle in pixels with the given base units (pixels): each
// edge is scaled (4 units to a base-x, 8 to a base-y) and rounded to the
// nearest unit. Without base units (never measured) the pixels are kept.
DialogRect dlg_units_from_pixels(int32_t base_x, int32_t base_y, int32_t x, int32_t y, int32_t width,
                                 int32_t height);

struct Window;
// Appends a dialog record to the list that dlg_list_free empties at exit.
void dlg_list_add(Window* record);
// Frees a template record with its Control items and their texts.
void dlg_template_free(DialogTemplate* dialog);
