// The system's print dialog, answered from a driver thread as a person would.
#include "tests/runtime/controls/print_queue.h"

#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "tests/support/dialog_driver.h"

namespace {

// Controls of the system's print dialog.
constexpr int PRINTER_COMBO = 0x473; // cmb4
constexpr int PAGES_RADIO = 0x422;   // rad3
constexpr int FROM_EDIT = 0x480;     // edt1
constexpr int TO_EDIT = 0x481;       // edt2
constexpr int COPIES_EDIT = 0x482;   // edt3
constexpr int COLLATE_CHECK = 0x411; // chx2

unsigned short fpu_control_word() {
  unsigned short word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

void set_fpu_control_word(unsigned short word) { __asm__ __volatile__("fldcw %0" : : "m"(word)); }

bool checked(HWND dialog, int id) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

// Clicks a button of the dialog and waits until its check state is the one wanted.
void click_until(DialogDriver& d, HWND dialog, int id, bool wanted) {
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  d.wait([&] { return checked(dialog, id) == wanted; }, "a click did not change a check box");
}

// Picks the printer in the dialog's printer list as a person would.
void pick_printer(DialogDriver& d, HWND dialog, const std::string& printer) {
  HWND combo = GetDlgItem(dialog, PRINTER_COMBO);
  DWORD_PTR index = static_cast<DWORD_PTR>(CB_ERR);
  SendMessageTimeoutA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(printer.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &index);
  if (static_cast<LRESULT>(index) == CB_ERR) {
    d.fail("the print dialog does not list " + printer);
    return;
  }
  DWORD_PTR unused = 0;
  SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &unused);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(PRINTER_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class PrintDialogTest : public PrintQueueTest {
protected:
  void SetUp() override {
    PrintQueueTest::SetUp();
    if (IsSkipped()) return;
    // Another printer is the default, so the dialog opens on it and the test's printer must be picked.
    char current[512] = "";
    DWORD size = sizeof current;
    if (GetDefaultPrinterA(current, &size)) saved_default_ = current;
    for (const std::string& name : local_printers())
      if (name != queue_.printer) {
        other_ = name;
        break;
      }
    ASSERT_FALSE(other_.empty()) << "the test script makes a second queue; Wine lists only " << queue_.printer;
    ASSERT_TRUE(SetDefaultPrinterA(other_.c_str()));
    owner_.handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_.handle, nullptr);
  }
  void TearDown() override {
    if (owner_.handle) DestroyWindow(owner_.handle);
    if (!saved_default_.empty()) SetDefaultPrinterA(saved_default_.c_str());
    PrintQueueTest::TearDown();
  }

  std::string saved_default_, other_;
  Window owner_{};
};

// The FPU is set as a driver might leave it (24-bit precision, rounding toward zero) before each dialog.
TEST_F(PrintDialogTest, OkGivesThePickedPrinterPagesCopiesAndCollationCancelLeavesTheVariables) {
  struct Case {
    const char* what;
    bool owned, pages, cancel; // pages: pick the test's printer, pages 2 to 4 and 3 copies
    int32_t collate;           // before; the test clicks it over
  } cases[] = {{"pages", true, true, false, 1}, {"collation only", false, false, false, 0},
               {"cancelled", true, true, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool collate_shown = !c.collate;
    std::string copies_shown, shown_first;
    HWND dialog_owner = nullptr;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.wait_for("Print");
      if (!dialog) return;
      dialog_owner = GetWindow(dialog, GW_OWNER);
      shown_first = DialogDriver::text_of(GetDlgItem(dialog, PRINTER_COMBO));
      collate_shown = checked(dialog, COLLATE_CHECK);
      copies_shown = DialogDriver::text_of(GetDlgItem(dialog, COPIES_EDIT));
      if (c.pages) {
        pick_printer(d, dialog, queue_.printer);
        click_until(d, dialog, PAGES_RADIO, true);
        DialogDriver::type_into(GetDlgItem(dialog, FROM_EDIT), "2");
        DialogDriver::type_into(GetDlgItem(dialog, TO_EDIT), "4");
        DialogDriver::type_into(GetDlgItem(dialog, COPIES_EDIT), "3");
      }
      click_until(d, dialog, COLLATE_CHECK, !c.collate);
      DialogDriver::press(dialog, c.cancel ? IDCANCEL : IDOK);
      d.wait_gone(dialog);
    });
    int32_t from = 1, to = 5, copies = 2, collate = c.collate;
    unsigned short before = fpu_control_word();
    set_fpu_control_word(0x0C7F);
    std::string name = take(print_dialog(c.owned ? &owner_ : nullptr, &from, &to, &copies, &collate));
    unsigned short after = fpu_control_word();
    set_fpu_control_word(before);
    ASSERT_TRUE(driver.finish()) << driver.failure();
    EXPECT_EQ(after & 0x1F3F, 0x033F) << std::hex << after;
    EXPECT_EQ(dialog_owner, c.owned ? owner_.handle : nullptr);
    EXPECT_EQ(shown_first, other_);
    EXPECT_EQ(collate_shown, c.collate != 0);
    EXPECT_EQ(copies_shown, "2");
    const bool picked = c.pages && !c.cancel;
    EXPECT_EQ(name, c.cancel ? "" : picked ? queue_.printer : other_);
    EXPECT_EQ(std::to_string(from) + "-" + std::to_string(to) + " x" + std::to_string(copies),
              picked ? "2-4 x3" : "1-5 x2");
    EXPECT_EQ(collate, c.cancel ? c.collate : 1 - c.collate);
  }
}

} // namespace
