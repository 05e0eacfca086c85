// The command table of list views: items, columns, their texts and the
// selection.
#include <windows.h>
#include <commctrl.h>

#include "runtime/controls/command_args.h"

namespace {
const SimpleCommand LISTVIEW_SIMPLE[] = {
    {0, LVM_DELETEALLITEMS, Operand::zero, Operand::zero, 0, false},
    {1, LVM_DELETECOLUMN, Operand::num1, Operand::zero, 0, false},
    {2, LVM_DELETEITEM, Operand::num1, Operand::zero, 0, false},
    {7, LVM_GETSELECTEDCOUNT, Operand::zero, Operand::zero, 0, false},
    {10, LVM_SETCOLUMNWIDTH, Operand::num1, Operand::num2, 0, false},
    {11, LVM_GETCOLUMNWIDTH, Operand::num1, Operand::zero, 0, false},
    {13, LVM_GETITEMSTATE, Operand::num1, Operand::fixed, LVIS_SELECTED, false},
    {15, LVM_GETTOPINDEX, Operand::zero, Operand::zero, 0, false},
    {16, LVM_GETITEMCOUNT, Operand::zero, Operand::zero, 0, false},
};

int32_t send(HWND control, UINT message, WPARAM wparam, const void* lparam) {
  return static_cast<int32_t>(SendMessageA(control, message, wparam, reinterpret_cast<LPARAM>(lparam)));
}

// A column wide enough for its title and a little room.
int32_t column_width(HWND control, const char* title) {
  return send(control, LVM_GETSTRINGWIDTHA, 0, title) + send(control, LVM_GETSTRINGWIDTHA, 0, "XX");
}

// Code 3: item a1 with the text a2; the new item's index.
int32_t insert_item(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_string(args.a[1])) return 0;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = arg_number(args.a[0]);
  item.pszText = arg_string(args.a[1]);
  return send(control, LVM_INSERTITEMA, 0, &item);
}

// Codes 4 (insert column a1) and 8 (change column a1), titled a2.
int32_t put_column(HWND control, UINT message, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_string(args.a[1])) return 0;
  LVCOLUMNA column{};
  column.pszText = arg_string(args.a[1]);
  column.cx = column_width(control, column.pszText);
  if (message == LVM_INSERTCOLUMNA) {
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.iSubItem = 1;
  } else {
    column.mask = LVCF_WIDTH | LVCF_TEXT;
  }
  return send(control, message, static_cast<WPARAM>(arg_number(args.a[0])), &column);
}

// Code 5: the text a3 for item a1, sub-item a2.
int32_t set_item_text(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_number(args.a[1]) || !arg_is_string(args.a[2])) return 0;
  LVITEMA item{};
  item.iSubItem = arg_number(args.a[1]);
  item.pszText = arg_string(args.a[2]);
  return send(control, LVM_SETITEMTEXTA, static_cast<WPARAM>(arg_number(args.a[0])), &item);
}

// The list view writes a text cut to the buffer without its zero byte, and
// may write behind the zero byte; so it writes into this scratch block, and
// the caller's string gets only the text and one zero byte.
struct TextScratch {
  int32_t capacity;
  TempText block;
  explicit TextScratch(int32_t most) : capacity(most), block(static_cast<char*>(heap_alloc_or_stop(most + 1))) {}
  char* text() const { return block.get(); }
  int size() const { return capacity + 1; }
  // The text, cut and closed, into the caller's string; its length.
  int32_t copy_to(char* destination) {
    text()[capacity] = 0;
    return copy_cut(destination, capacity, text(), text_len(text()));
  }
};

// Code 6: the text of item a1, sub-item a2, into the string a3 of capacity
// a4 (else 254); the length stored.
int32_t get_item_text(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_number(args.a[1]) || !arg_is_string(args.a[2])) return 0;
  TextScratch scratch(arg_capacity(args.a[3]));
  LVITEMA item{};
  item.iSubItem = arg_number(args.a[1]);
  item.pszText = scratch.text();
  item.cchTextMax = scratch.size();
  send(control, LVM_GETITEMTEXTA, static_cast<WPARAM>(arg_number(args.a[0])), &item);
  return scratch.copy_to(arg_string(args.a[2]));
}

// Code 9: the title of column a1 into the string a2 of capacity a3 (else
// 254); nonzero when the column exists.
int32_t get_column(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0]) || !arg_is_string(args.a[1])) return 0;
  TextScratch scratch(arg_capacity(args.a[2]));
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = scratch.text();
  column.cchTextMax = scratch.size();
  int32_t found = send(control, LVM_GETCOLUMNA, static_cast<WPARAM>(arg_number(args.a[0])), &column);
  scratch.copy_to(arg_string(args.a[1]));
  return found;
}

// Code 12: selects item a1.
int32_t select_item(HWND control, const CommandArgs& args) {
  if (!arg_is_number(args.a[0])) return 0;
  LVITEMA item{};
  item.state = LVIS_SELECTED;
  item.stateMask = LVIS_SELECTED;
  return send(control, LVM_SETITEMSTATE, static_cast<WPARAM>(arg_number(args.a[0])), &item);
}

// Code 14: the index of the item titled a1, or -1.
int32_t find_item(HWND control, const CommandArgs& args) {
  if (!arg_is_string(args.a[0])) return 0;
  LVFINDINFOA find{};
  find.flags = LVFI_STRING;
  find.psz = arg_string(args.a[0]);
  return send(control, LVM_FINDITEMA, static_cast<WPARAM>(-1), &find);
}
} // namespace

int32_t listview_command(HWND control, int32_t code, const CommandArgs& args) {
  int32_t result = 0;
  if (simple_command_run(control, LISTVIEW_SIMPLE, code, args, &result)) return result;
  switch (code) {
  case 3: return insert_item(control, args);
  case 4: return put_column(control, LVM_INSERTCOLUMNA, args);
  case 5: return set_item_text(control, args);
  case 6: return get_item_text(control, args);
  case 8: return put_column(control, LVM_SETCOLUMNA, args);
  case 9: return get_column(control, args);
  case 12: return select_item(control, args);
  case 14: return find_item(control, args);
  default: return 0;
  }
}
