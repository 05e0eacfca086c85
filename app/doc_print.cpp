// Print: the editing field's text as one job to a printer the user picks.
// The job goes as data type "TEXT"; under Wine, whose print processor drops
// such jobs, the runtime sends the same bytes as "RAW".
#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "runtime/controls/controls.h"

void doc_print() {
  int32_t from_page = 1, to_page = 1, copies = 1, collate = 1;
  TempText printer(print_dialog(&editor_window, &from_page, &to_page, &copies, &collate));
  // A cancelled dialog gives no name; none is ever passed on to the spooler,
  // which could take it for its default printer.
  PrinterChannel channel = text_len(printer.get()) ? print_open(printer.get(), "Document", "TEXT") : nullptr;
  if (!channel) return;
  TempText text(edit_field_text());
  // As a string variable passed by reference; the channel adds a line break.
  print_write(channel, reinterpret_cast<ValueSlot>(text.get()), VT_REF);
  print_close(channel);
}
