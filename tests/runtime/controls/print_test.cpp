// Printer channels without a printer, the spooler's data type, and the system's print dialog answered
// from a driver thread as a person would, picking the test script's CUPS queue. (A job's bytes on that
// queue: the end-to-end print test.)
#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "runtime/controls/print_internal.h"
#include "tests/runtime/controls/print_queue.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/temp_text.h"

namespace {
// The names of the printers the system lists.
std::vector<std::string> local_printers() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  std::vector<std::string> names;
  if (EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
    for (DWORD i = 0; i < count; ++i)
      names.push_back(reinterpret_cast<PRINTER_INFO_4A*>(buffer.data())[i].pPrinterName);
  return names;
}

TEST(PrintChannel, NoPrinterGivesZeroAndAZeroChannelDoesNothing) {
  for (const char* name : {static_cast<const char*>(nullptr), "", "No Such Printer For Tolvane"})
    EXPECT_EQ(print_open(name, "Document", "TEXT"), nullptr) << (name ? name : "(null)");
  EXPECT_EQ(print_write(nullptr, 7, VT_INT32), 0);
  EXPECT_EQ(print_close(nullptr), 0);
}

TEST(PrintDataType, OnlyTextBecomesRawAndOnlyUnderWine) {
  struct Case { const char* requested; bool under_wine; const char* expected; } cases[] = {
      {"text", true, "RAW"}, {"TEXT", false, "TEXT"}, {"TEXTS", true, "TEXTS"}, {nullptr, true, nullptr},
  };
  for (const Case& c : cases) EXPECT_STREQ(print_spool_data_type(c.requested, c.under_wine), c.expected);
}

// Controls of the system's print dialog.
constexpr int PRINTER_COMBO = 0x473, PAGES_RADIO = 0x422, FROM_EDIT = 0x480, TO_EDIT = 0x481, COPIES_EDIT = 0x482,
              COLLATE_CHECK = 0x411;

unsigned short fpu_control_word() {
  unsigned short word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

void set_fpu_control_word(unsigned short word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

// The SSE control register, which computes doubles on x86-64; 0x1F80 elsewhere.
unsigned int sse_control_word() {
  unsigned int word = 0x1F80;
#if defined(__x86_64__)
  __asm__ __volatile__("stmxcsr %0" : "=m"(word));
#endif
  return word;
}

void set_sse_control_word([[maybe_unused]] unsigned int word) {
#if defined(__x86_64__)
  __asm__ __volatile__("ldmxcsr %0" : : "m"(word));
#endif
}

bool checked(HWND dialog, int id) { return send_to(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED; }

// Clicks a button of the dialog and waits until its check state is the one wanted.
void click_until(DialogDriver& d, HWND dialog, int id, bool wanted) {
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  d.wait([&] { return checked(dialog, id) == wanted; }, "a click did not change a check box");
}

// A fresh heap per test, skipped when there is no test queue.
class PrintDialogTest : public HeapTest {
protected:
  void SetUp() override {
    HeapTest::SetUp();
    std::string why;
    if (!find_print_queue(&queue_, &why)) GTEST_SKIP() << why;
    // Another printer is the default, so the dialog opens on it and the test's printer must be picked.
    char current[512] = "";
    DWORD size = sizeof current;
    if (GetDefaultPrinterA(current, &size)) saved_default_ = current;
    for (const std::string& name : local_printers())
      if (other_.empty() && name != queue_.printer) other_ = name;
    ASSERT_FALSE(other_.empty()) << "the test script makes a second queue; Wine lists only " << queue_.printer;
    ASSERT_TRUE(SetDefaultPrinterA(other_.c_str()));
    owner_.handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_.handle, nullptr);
  }
  void TearDown() override {
    if (owner_.handle) DestroyWindow(owner_.handle);
    if (!saved_default_.empty()) SetDefaultPrinterA(saved_default_.c_str());
    HeapTest::TearDown();
  }
  PrintQueue queue_;
  std::string saved_default_, other_;
  Window owner_{};
};

// The FPU is set as a driver might leave it (24-bit precision, rounding toward zero) before each dialog.
TEST_F(PrintDialogTest, OkGivesThePickedPrinterPagesCopiesAndCollationCancelLeavesTheVariables) {
  // Each case picks the test's printer, pages 2 to 4 and 3 copies, and clicks collation over.
  struct Case { const char* what; bool owned, cancel; int32_t collate; } cases[] = {
      {"chosen", true, false, 0}, {"cancelled, no owner", false, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool collate_shown = !c.collate;
    std::string copies_shown, shown_first;
    HWND dialog_owner = nullptr;
    auto answer = [&](DialogDriver& d) {
      HWND dialog = d.wait_for("Print");
      if (!dialog) return;
      dialog_owner = GetWindow(dialog, GW_OWNER);
      shown_first = text_of(GetDlgItem(dialog, PRINTER_COMBO));
      collate_shown = checked(dialog, COLLATE_CHECK);
      copies_shown = text_of(GetDlgItem(dialog, COPIES_EDIT));
      d.pick_printer(dialog, queue_.printer);
      click_until(d, dialog, PAGES_RADIO, true);
      type_into(GetDlgItem(dialog, FROM_EDIT), "2");
      type_into(GetDlgItem(dialog, TO_EDIT), "4");
      type_into(GetDlgItem(dialog, COPIES_EDIT), "3");
      click_until(d, dialog, COLLATE_CHECK, !c.collate);
      press(dialog, c.cancel ? IDCANCEL : IDOK);
      d.wait_gone(dialog);
    };
    int32_t from = 1, to = 5, copies = 2, collate = c.collate;
    unsigned short before = fpu_control_word();
    unsigned int sse_before = sse_control_word();
    set_fpu_control_word(0x0C7F);
    set_sse_control_word(0x7F80); // round toward zero
    std::string name;
    auto call = [&] { name = take(print_dialog(c.owned ? &owner_ : nullptr, &from, &to, &copies, &collate)); };
    std::string failure = run_answering(call, answer);
    unsigned short after = fpu_control_word();
    unsigned int sse_after = sse_control_word();
    set_fpu_control_word(before);
    set_sse_control_word(sse_before);
    ASSERT_EQ(failure, "");
    EXPECT_EQ(after & 0x1F3F, 0x033F) << std::hex << after;
    EXPECT_EQ(sse_after & 0xFFC0, 0x1F80u) << std::hex << sse_after;
    EXPECT_EQ(dialog_owner, c.owned ? owner_.handle : nullptr);
    EXPECT_EQ(shown_first, other_);
    EXPECT_EQ(collate_shown, c.collate != 0);
    EXPECT_EQ(copies_shown, "2");
    EXPECT_EQ(name, c.cancel ? "" : queue_.printer);
    EXPECT_EQ(std::to_string(from) + "-" + std::to_string(to) + " x" + std::to_string(copies),
              c.cancel ? "1-5 x2" : "2-4 x3");
    EXPECT_EQ(collate, c.cancel ? c.collate : 1 - c.collate);
  }
}

} // namespace
