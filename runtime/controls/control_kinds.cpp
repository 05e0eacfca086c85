// The Control kinds: window class, added styles and extended style of each,
// and the subclass procedure and background colour it gets.
#include <windows.h>
#include <commctrl.h>

#include "runtime/controls/controls_internal.h"

namespace {
constexpr uint32_t EDGE = WS_EX_CLIENTEDGE;

// kind, class, added style, owner-drawn, ex style, edge with WS_BORDER,
// default-button flag, common controls, rich edit
const ControlKind kKinds[] = {
    {KIND_BUTTON, "BUTTON", 0, true, 0, false, true, false, false},
    {KIND_CHECKBOX, "BUTTON", BS_AUTOCHECKBOX, false, 0, false, false, false, false},
    {KIND_RADIO, "BUTTON", BS_AUTORADIOBUTTON, false, 0, false, false, false, false},
    {KIND_EDIT, "EDIT", WS_BORDER, false, EDGE, false, false, false, false},
    {KIND_LISTBOX, "LISTBOX", WS_BORDER | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, false, EDGE, false, false, false,
     false},
    {KIND_COMBOBOX, "COMBOBOX", WS_BORDER | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT, false, EDGE, false, false, false,
     false},
    {KIND_STATIC, "STATIC", 0, false, 0, false, false, false, false},
    {KIND_SCROLLBAR, "SCROLLBAR", 0, false, 0, false, false, false, false},
    {KIND_GROUPBOX, "BUTTON", BS_GROUPBOX, false, 0, false, false, false, false},
    {KIND_RICH_EDIT, "RichEdit", 0, false, 0, true, false, true, true},
    {KIND_LIST_VIEW, "SysListView32", 0, false, 0, false, false, true, false},
    {KIND_STATUS_BAR, "msctls_statusbar32", 0, false, 0, false, false, true, false},
    {KIND_PLAIN_BUTTON, "BUTTON", 0, false, 0, false, true, false, false},
    {KIND_TREE_VIEW, "SysTreeView32", 0, false, 0, true, false, true, false},
    {KIND_HOT_BUTTON, "BUTTON", 0, true, 0, false, true, false, false},
};
} // namespace

const ControlKind* control_kind(int32_t kind) {
  for (const ControlKind& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

KindColors control_kind_colors(int32_t kind) {
  switch (kind) {
  case KIND_BUTTON: return {ctl_proc_button, COLOR_BTNFACE};
  case KIND_HOT_BUTTON: return {ctl_proc_hot_button, COLOR_BTNFACE};
  case KIND_CHECKBOX:
  case KIND_RADIO:
  case KIND_GROUPBOX:
  case KIND_PLAIN_BUTTON: return {ctl_proc_common, COLOR_BTNFACE};
  case KIND_STATIC: return {ctl_proc_static, COLOR_BTNFACE};
  case KIND_SCROLLBAR: return {ctl_proc_common, COLOR_SCROLLBAR};
  default: return {ctl_proc_common, COLOR_WINDOW};
  }
}

void controls_init_common() {
  static bool done = false;
  if (done) return;
  // The common controls' library is loaded with the first control of theirs.
  if (auto init = system_function<decltype(&InitCommonControls)>("comctl32.dll", "InitCommonControls")) init();
  done = true;
}

bool controls_load_rich_edit() {
  // Its window class is registered when the library loads; it is kept from then on.
  return system_library("riched32.dll") != nullptr;
}
