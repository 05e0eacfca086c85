// A raw printer channel: one spool job with one page, fed with text and
// numbers as they are, for the printer driver to lay out.
#include <windows.h>

#include <winspool.h>

#include "runtime/controls/controls.h"
#include "runtime/controls/print_internal.h"

namespace {
// The spooler's functions: its library is loaded with the first print job.
struct Spooler {
  decltype(&OpenPrinterA) open;
  decltype(&StartDocPrinterA) start_document;
  decltype(&StartPagePrinter) start_page;
  decltype(&WritePrinter) write;
  decltype(&EndPagePrinter) end_page;
  decltype(&EndDocPrinter) end_document;
  decltype(&ClosePrinter) close;
};

// Null when the library or one of its functions is missing.
const Spooler* spooler() {
  static Spooler s{};
  if (!s.close) {
    const char* library = "winspool.drv";
    s = {system_function<decltype(&OpenPrinterA)>(library, "OpenPrinterA"),
         system_function<decltype(&StartDocPrinterA)>(library, "StartDocPrinterA"),
         system_function<decltype(&StartPagePrinter)>(library, "StartPagePrinter"),
         system_function<decltype(&WritePrinter)>(library, "WritePrinter"),
         system_function<decltype(&EndPagePrinter)>(library, "EndPagePrinter"),
         system_function<decltype(&EndDocPrinter)>(library, "EndDocPrinter"),
         system_function<decltype(&ClosePrinter)>(library, "ClosePrinter")};
    if (!s.open || !s.start_document || !s.start_page || !s.write || !s.end_page || !s.end_document) s.close = nullptr;
  }
  return s.close ? &s : nullptr;
}

// WritePrinter may take fewer bytes than offered: go on until all are in or
// the spooler refuses.
void write_all(HANDLE printer, const char* bytes, DWORD count) {
  while (count > 0) {
    DWORD put = 0;
    if (!spooler()->write(printer, const_cast<char*>(bytes), count, &put) || put == 0 || put > count)
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
  const Spooler* spool = spooler();
  if (!spool)
    return nullptr;
  PRINTER_DEFAULTSA defaults = {type, nullptr, PRINTER_ACCESS_USE};
  HANDLE printer = nullptr;
  if (!spool->open(const_cast<char*>(printer_name), &printer, &defaults))
    return nullptr;
  DOC_INFO_1A document = {const_cast<char*>(document_name), nullptr, type};
  if (spool->start_document(printer, 1, reinterpret_cast<BYTE*>(&document)) != 0) {
    if (spool->start_page(printer))
      return printer;
    spool->end_document(printer);
  }
  spool->close(printer);
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
  // An open channel means the spooler's library is there.
  spooler()->end_page(channel);
  spooler()->end_document(channel);
  spooler()->close(channel);
  return 0;
}
