// Print: the editing field's text as one job to a printer the user picks.
#include "app/app.h"
#include "app/app_state.h"
#include "runtime/controls/controls.h"

namespace {
// Wine's print processor drops jobs of data type "TEXT" (it accepts them
// and prints nothing); under Wine the same bytes go as "RAW", which reaches
// the spooler unchanged.
bool running_under_wine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const char* print_data_type() { return running_under_wine() ? "RAW" : "TEXT"; }
} // namespace

void doc_print() {
  int32_t from_page = 1, to_page = 1, copies = 1, collate = 1;
  char* printer = print_dialog(&editor_window, &from_page, &to_page, &copies, &collate);
  // A cancelled dialog gives no name; none is ever passed on to the spooler,
  // which could take it for its default printer.
  PrinterChannel channel = text_len(printer) ? print_open(printer, "Document", print_data_type()) : nullptr;
  heap_free(printer);
  if (!channel) return;
  char* text = ctl_get_text(&editor_window, EDIT_FIELD_ID);
  // As a string variable passed by reference; the channel adds a line break.
  print_write(channel, reinterpret_cast<ValueSlot>(text), VT_BYREF);
  heap_free(text);
  print_close(channel);
}
