// ctl_command: one dispatcher for the commands of edit and rich-edit
// controls, list views, status bars and tool bars. It finds the control by
// id, picks the table of its class and turns the code into the message that
// class understands; any other class, a closed window or an unknown id gives
// 0 and sends nothing.
//
// How strings that receive text are kept from overflowing is told with
// ctl_command in controls.h.
#include <windows.h>

#include <cstring>

#include "runtime/controls/command_args.h"
#include "runtime/controls/controls.h"

namespace {
enum class Table { none, edit, listview, statusbar, toolbar };

Table table_of(HWND control) {
  char name[21] = "";
  GetClassNameA(control, name, sizeof name);
  CharUpperA(name);
  if (std::strcmp(name, "SYSLISTVIEW32") == 0) return Table::listview;
  if (std::strcmp(name, "RICHEDIT") == 0 || std::strcmp(name, "EDIT") == 0) return Table::edit;
  if (std::strcmp(name, "MSCTLS_STATUSBAR32") == 0) return Table::statusbar;
  if (std::strcmp(name, "TOOLBARWINDOW32") == 0) return Table::toolbar;
  return Table::none;
}
} // namespace

HWND edit_control_of(Window* window, int32_t id) {
  HWND control = gui_control_of(window, id);
  return control && table_of(control) == Table::edit ? control : nullptr;
}

void refit_mdi_client(Window* window) {
  if (window->mdi_client) mdi_layout(window->handle, window->mdi_client);
}

int32_t ctl_command(Window* window, int32_t id, int32_t code, ValueSlot slot1, uint32_t type1, ValueSlot slot2,
                    uint32_t type2, ValueSlot slot3, uint32_t type3, ValueSlot slot4, uint32_t type4) {
  HWND control = gui_control_of(window, id);
  if (!control) return 0;
  CommandArgs args{{{slot1, type1}, {slot2, type2}, {slot3, type3}, {slot4, type4}}};
  switch (table_of(control)) {
  case Table::edit: return edit_command(window, control, code, args);
  case Table::listview: return listview_command(control, code, args);
  case Table::statusbar: return statusbar_command(control, code, args);
  case Table::toolbar: return toolbar_command(window, control, code, args);
  case Table::none: break;
  }
  return 0;
}
