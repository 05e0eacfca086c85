// Menus built at run time.
#include "runtime/gui/gui.h"

HMENU menu_new(int popup) { return popup ? CreatePopupMenu() : CreateMenu(); }

int menu_append(HMENU menu, const char* text, uint32_t flags, uintptr_t id_or_submenu) {
  if (menu) AppendMenuA(menu, flags, id_or_submenu, (flags & MF_SEPARATOR) ? nullptr : text);
  return 0;
}

int menu_attach(Window* record, HMENU menu) {
  if (!record->handle) return 0;
  HMENU old = GetMenu(record->handle);
  SetMenu(record->handle, menu);
  if (old && old != menu) DestroyMenu(old); // attaching the same bar again keeps it
  DrawMenuBar(record->handle);
  return 0;
}
