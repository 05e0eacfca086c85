// A raw printer channel: one spool job with one page, fed with text and
// numbers as they are, for the printer driver to lay out.
#include <windows.h>

#include <winspool.h>

#include "runtime/controls/controls.h"
#include "runtime/controls/print_internal.h"

namespace {
// WritePrinter may take fewer bytes than offered: go on until all are in or
// the spooler refuses.
void write_all(HANDLE printer, const char* bytes, DWORD count) {
  while (count > 0) {
    DWORD put = 0;
    if (!WritePrinter(printer, const_cast<char*>(bytes), count, &put) || put == 0 || put > count)
      return;
    bytes += put;
    count -= put;
  }
}

void write_text(HANDLE printer, const char* text) {
  if (text)
    write_all(printer, text, static_cast<DWORD>(text_len(text)));
}
} // namespace

PrinterChannel print_open(const char* printer_name, const char* document_name, const char* data_type) {
  // An empty name is what a cancelled print dialog gives; OpenPrinterA would
  // take it for the print server itself.
  if (!printer_name || !*printer_name)
    return nullptr;
  char* type = const_cast<char*>(print_spool_data_type(data_type, print_under_wine()));
  PRINTER_DEFAULTSA defaults = {type, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(printer_name), &printer, &defaults))
    return nullptr;
  DOC_INFO_1A document = {const_cast<char*>(document_name), nullptr, type};
  if (StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document)) != 0) {
    if (StartPagePrinter(printer))
      return printer;
    EndDocPrinter(printer);
  }
  ClosePrinter(printer);
  return nullptr;
}

int print_write(PrinterChannel channel, ValueSlot value, uint32_t type_word) {
  if (!channel)
    return 0;
  if (value_code(type_word) == VT_STRING) {
    // One string, one line.
    write_text(channel, reinterpret_cast<const char*>(value));
    write_all(channel, "\r\n", 2);
    return 0;
  }
  // Numbers print side by side, each followed by a blank; a value without a
  // number keeps its place with the blank alone.
  double x = 0;
  if (!print_value_number(value, type_word, &x)) {
    write_all(channel, " ", 1);
    return 0;
  }
  TempText number(num_to_text(x));
  write_text(channel, TempText(text_concat(number.get(), " ")).get());
  return 0;
}

int print_close(PrinterChannel channel) {
  if (!channel)
    return 0;
  EndPagePrinter(channel);
  EndDocPrinter(channel);
  ClosePrinter(channel);
  return 0;
}
