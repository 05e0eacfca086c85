// The test script's CUPS raw queue (TOLVANE_PRINTER) forwards jobs to a local port (TOLVANE_PRINT_PORT).
#pragma once

#include <cstdlib>
#include <string>

struct PrintQueue { std::string printer; int port = 0; };

// The queue the test script set up; false, with the reason, when none was.
inline bool find_print_queue(PrintQueue* queue, std::string* why) {
  const char* printer = std::getenv("TOLVANE_PRINTER");
  const char* port = std::getenv("TOLVANE_PRINT_PORT");
  if (!printer || !*printer || !port || std::atoi(port) <= 0) {
    *why = "no CUPS test queue (TOLVANE_PRINTER and TOLVANE_PRINT_PORT are not set): scripts/test.sh makes it "
           "only as root with CUPS installed and started; its output says which was missing";
    return false;
  }
  *queue = {printer, std::atoi(port)};
  return true;
}
