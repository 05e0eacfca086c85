// Print against a real spooler: the test script's CUPS raw queue forwards
// the job to a port this test listens on; the bytes must arrive unchanged.
#include "tests/e2e/editor_process.h"

#include "tests/runtime/controls/print_queue.h"

namespace {

constexpr int PRINTER_COMBO = 0x473; // the print dialog's printer list

class PrintE2E : public EditorE2E {
protected:
  void SetUp() override {
    std::string why;
    if (!find_print_queue(&queue_, &why)) GTEST_SKIP() << why;
    EditorE2E::SetUp();
  }
  PrintQueue queue_;
};

TEST_F(PrintE2E, ACancelledDialogSendsNothingAndThenTheFieldsTextArrivesUnchanged) {
  JobListener listener(queue_.port);
  ASSERT_TRUE(listener.ok()) << listener.error();
  editor->set_field_text("never printed");
  editor->menu(MENU_PRINT);
  HWND dialog = editor->wait_dialog("Print");
  ASSERT_NE(dialog, nullptr);
  DialogFinder::press(dialog, IDCANCEL);
  ASSERT_TRUE(EditorProcess::wait_gone(dialog));

  // The listener takes the first job only: had the cancel sent one, it would be that.
  const std::string text = "first line\r\n\r\n  third, indented\r\nlast";
  editor->set_field_text(text);
  editor->menu(MENU_PRINT);
  dialog = editor->wait_dialog("Print");
  ASSERT_NE(dialog, nullptr);
  HWND combo = GetDlgItem(dialog, PRINTER_COMBO);
  DWORD_PTR index = static_cast<DWORD_PTR>(CB_ERR);
  SendMessageTimeoutA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(queue_.printer.c_str()), SMTO_ABORTIFHUNG, 5000, &index);
  ASSERT_NE(static_cast<LRESULT>(index), CB_ERR) << "the print dialog does not list " << queue_.printer;
  DWORD_PTR unused = 0;
  SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &unused);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(PRINTER_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  DialogFinder::press(dialog, IDOK);
  ASSERT_TRUE(EditorProcess::wait_gone(dialog));
  ASSERT_TRUE(listener.wait_job()) << "no job reached the queue's port";
  EXPECT_EQ(listener.bytes(), text + "\r\n");
}

} // namespace
