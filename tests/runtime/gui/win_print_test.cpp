#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/event_log.h"
#include "tests/support/run_alone.h"

namespace {
// What f writes to the process's standard output, sent into a pipe.
template <typename F> std::string capture_stdout(F f) {
  HANDLE read_end, write_end;
  if (!CreatePipe(&read_end, &write_end, nullptr, 1 << 16)) return "<no pipe>";
  HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
  SetStdHandle(STD_OUTPUT_HANDLE, write_end);
  f();
  SetStdHandle(STD_OUTPUT_HANDLE, saved);
  CloseHandle(write_end);
  std::string out;
  char buffer[4096];
  DWORD n;
  while (ReadFile(read_end, buffer, sizeof buffer, &n, nullptr) && n > 0) out.append(buffer, n);
  CloseHandle(read_end);
  return out;
}

} // namespace

// The output window, once named, stays for the process's life: standard output is checked in a process
// where none was named.
TEST(PrintToStdout, EachTypeCodeHasItsFormatAndALongLineIsCutNotOverrun) {
  EXPECT_TRUE(run_alone("PrintToStdoutAlone.DISABLED_Formats"));
}

using PrintToStdoutAlone = GuiTest;

TEST_F(PrintToStdoutAlone, DISABLED_Formats) {
  struct Case { const char* name; void (*print)(); const char* want; } cases[] = {
      {"text", [] { win_print(1, VT_STRING, "abc"); }, "abc"},
      {"null text", [] { win_print(2, VT_STRING, static_cast<const char*>(nullptr), VT_STRING, "x"); }, "x"},
      {"character", [] { win_print(3, VT_BYTE, 'A', VT_BYTE, 13, VT_BYTE, 10); }, "A\r\n"},
      {"real32 as its bits", [] { win_print(1, VT_REAL32, 0xBF000000u); }, "-0.50"}, // -0.5f
      {"word", [] { win_print(1, VT_WORD, 0x10005u); }, "5 "},
      {"int64", [] { win_print(1, VT_INT64, std::numeric_limits<int64_t>::min()); }, "-9223372036854775808 "},
      {"uint64", [] { win_print(1, VT_UINT64, std::numeric_limits<uint64_t>::max()); }, "18446744073709551615 "},
      {"uint32", [] { win_print(1, VT_UINT32, 0xFFFFFFFFu); }, "4294967295 "},
      {"unknown codes take 4 bytes", [] { win_print(3, 7, 123, VT_NONE, 0, VT_INT32, 8); }, "8 "},
      {"8-byte values keep the pairs aligned",
       [] { win_print(4, VT_INT64, int64_t(1) << 40, VT_UINT64, uint64_t(3), VT_REAL64, 1.0, VT_INT32, 9); },
       "1099511627776 3  1.009 "},
      {"a window after the first value is ignored",
       [] { win_print(2, VT_INT32, 1, VT_WINDOW, static_cast<Window*>(nullptr)); }, "1 "},
  };
  for (const Case& c : cases) EXPECT_EQ(capture_stdout(c.print), c.want) << c.name;

  std::string long_text(3000, 'x');
  std::string out = capture_stdout([&] { win_print(3, VT_STRING, long_text.c_str(), VT_REAL64, 1e300, VT_INT32, 7); });
  EXPECT_EQ(out, std::string(1023, 'x'));
  std::string near_end(1015, 'y');
  out = capture_stdout([&] { win_print(3, VT_STRING, near_end.c_str(), VT_REAL64, -123456.75, VT_INT32, 77); });
  EXPECT_EQ(out, near_end + "-123456."); // the real cut at the end of the line, nothing after it
}
