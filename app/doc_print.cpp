// Print: the editing field's text as one job to a printer the user picks.
// The job goes as data type "TEXT"; under Wine, whose print processor drops
// such jobs, the runtime sends the same bytes as "RAW".
#include "app/app.h"
#include "app/app_state.h"
#include "runtime/controls/controls.h"

void doc_print() {
  int32_t from_page = 1, to_page = 1, copies = 1, collate = 1;
  char* printer = print_dialog(&editor_window, &from_page, &to_page, &copies, &collate);
  // A cancelled dialog gives no name; none is ever passed on to the spooler,
  // which could take it for its default printer.
  PrinterChannel channel = text_len(printer) ? print_open(printer, "Document", "TEXT") : nullptr;
  heap_free(printer);
  if (!channel) return;
  char* text = ctl_get_text(&editor_window, EDIT_FIELD_ID);
  // As a string variable passed by reference; the channel adds a line break.
  print_write(channel, reinterpret_cast<ValueSlot>(text), VT_REF);
  heap_free(text);
  print_close(channel);
}
