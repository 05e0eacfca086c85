// Printer output through Wine's spooler to the CUPS test queue, which forwards jobs to the test's listener.
#include "tests/runtime/controls/print_queue.h"

#include <cstring>
#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "runtime/controls/print_internal.h"

namespace {

ValueSlot string_slot(const char* text) { return reinterpret_cast<ValueSlot>(text); }

// The job's text as the printer output formats a number.
std::string number_item(double x) { return take(num_to_text(x)) + " "; }

using PrintJobTest = PrintQueueTest;

// Strings are lines, numbers stand side by side, and a long text arrives whole.
TEST_F(PrintJobTest, TextArrivesByteForByte) {
  JobListener listener(queue_.port);
  ASSERT_TRUE(listener.ok()) << listener.error();
  // A string variable's buffer, passed by reference as the editor passes its text.
  char text[255] = "Tolvane print test\r\n\tindented\r\n\r\nbytes \xE4\xF6\xFC\x80 and a last line";
  std::string long_text;
  for (int line = 1; long_text.size() < 300000; ++line)
    long_text += "line " + std::to_string(line) + " of a long document\r\n";
  double real = 2.5;
  PrinterChannel channel = print_open(queue_.printer.c_str(), "Document", "TEXT");
  ASSERT_NE(channel, nullptr) << "print_open of " << queue_.printer << " failed, error " << GetLastError();
  EXPECT_EQ(print_write(channel, string_slot(text), VT_STRING | VT_REF), 0);
  print_write(channel, string_slot("a"), VT_STRING);
  print_write(channel, 1, VT_INT32);
  print_write(channel, 2, VT_INT32);
  print_write(channel, reinterpret_cast<ValueSlot>(&real), VT_REAL64 | VT_REF);
  print_write(channel, string_slot(""), VT_STRING);
  print_write(channel, string_slot(long_text.c_str()), VT_STRING);
  EXPECT_EQ(print_close(channel), 0);
  ASSERT_TRUE(listener.wait_job()) << "no job reached port " << queue_.port;
  std::string want = std::string(text) + "\r\na\r\n" + number_item(1) + number_item(2) + number_item(2.5) + "\r\n" +
                     long_text + "\r\n";
  EXPECT_EQ(listener.bytes().size(), want.size());
  EXPECT_TRUE(listener.bytes() == want) << "the job's bytes differ";
}

TEST(PrintChannel, NoPrinterGivesZeroAndAZeroChannelDoesNothing) {
  for (const char* name : {static_cast<const char*>(nullptr), "", "No Such Printer For Tolvane"})
    EXPECT_EQ(print_open(name, "Document", "TEXT"), nullptr) << (name ? name : "(null)");
  char text[] = "never printed";
  EXPECT_EQ(print_write(nullptr, string_slot(text), VT_STRING | VT_REF), 0);
  EXPECT_EQ(print_write(nullptr, 7, VT_INT32), 0);
  EXPECT_EQ(print_close(nullptr), 0);
}

TEST(PrintDataType, OnlyTextBecomesRawAndOnlyUnderWine) {
  struct Case { const char* requested; bool under_wine; const char* expected; } cases[] = {
      {"TEXT", true, "RAW"},           {"text", true, "RAW"}, {"TEXT", false, "TEXT"},         {"RAW", true, "RAW"},
      {"RAW", false, "RAW"},           {"NT EMF 1.008", true, "NT EMF 1.008"},
      {"TEXTS", true, "TEXTS"},        {nullptr, true, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.requested ? c.requested : "(null)") + (c.under_wine ? " under Wine" : " on Windows"));
    EXPECT_STREQ(print_spool_data_type(c.requested, c.under_wine), c.expected);
  }
}

// Small values by value read their own width of the slot; 8-byte ones come only by reference.
TEST(PrintValueNumber, EachValueTypeReadsItsOwnWidth) {
  int16_t short_int = -30000;
  int32_t integer = -123456;
  float real32 = 1.5f;
  double real64 = -2.25;
  int64_t big = -5000000000LL;
  uint64_t ubig = 18000000000000000000ULL;
  auto ref = [](const void* p) { return reinterpret_cast<ValueSlot>(p); };
  ValueSlot real_slot = 0;
  float real_by_value = 0.75f;
  std::memcpy(&real_slot, &real_by_value, sizeof real_by_value);
  struct Case { const char* what; ValueSlot slot; uint32_t type; bool has_number; double expected; } cases[] = {
      {"byte", 0xFFFFFF00u | 200u, VT_BYTE, true, 200},        {"int8", 0xFFFFFFFBu, VT_INT8, true, -5},
      {"word", 0x1234FDE8u, VT_WORD, true, 65000},             {"int32", 0xFFFFFFF9u, VT_INT32, true, -7},
      {"uint32", 4000000000u, VT_UINT32, true, 4000000000.0}, {"real32", real_slot, VT_REAL32, true, 0.75},
      {"int16 by reference", ref(&short_int), VT_INT16 | VT_REF, true, -30000},
      {"int32 by reference", ref(&integer), VT_INT32 | VT_REF, true, -123456},
      {"real32 by reference", ref(&real32), VT_REAL32 | VT_REF, true, 1.5},
      {"real64 by reference", ref(&real64), VT_REAL64 | VT_REF, true, -2.25},
      {"int64 by reference", ref(&big), VT_INT64 | VT_REF, true, -5000000000.0},
      {"uint64 by reference", ref(&ubig), VT_UINT64 | VT_REF, true, 18000000000000000000.0},
      {"real64 by value", 12345, VT_REAL64, false, 0},        {"int64 by value", 12345, VT_INT64, false, 0},
      {"other code, a variable's address", ref(&integer), VT_POINTER, true, -123456},
      {"other code, address zero", 0, VT_NONE, false, 0},
  };
  for (const Case& c : cases) {
    double x = 0;
    ASSERT_EQ(print_value_number(c.slot, c.type, &x), c.has_number) << c.what;
    EXPECT_EQ(x, c.expected) << c.what;
  }
}

} // namespace
