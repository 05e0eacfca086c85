// Print against a real spooler: the test script's CUPS raw queue forwards
// the job to a port this test listens on; the bytes must arrive unchanged.
#include "tests/e2e/editor_process.h"

#include "tests/runtime/controls/print_queue.h"

namespace {

constexpr int kPrint = 5;
constexpr int PRINTER_COMBO = 0x473; // the print dialog's printer list

class PrintE2E : public EditorE2E {
protected:
  void SetUp() override {
    std::string why;
    if (!find_print_queue(&queue_, &why)) GTEST_SKIP() << why;
    EditorE2E::SetUp();
  }
  // Picks the test queue in the print dialog and presses OK.
  bool print_on_queue() {
    editor->menu(kPrint);
    HWND dialog = editor->wait_dialog("Print");
    if (!dialog) return false;
    HWND combo = GetDlgItem(dialog, PRINTER_COMBO);
    DWORD_PTR index = static_cast<DWORD_PTR>(CB_ERR);
    SendMessageTimeoutA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(queue_.printer.c_str()), SMTO_ABORTIFHUNG, 5000, &index);
    if (static_cast<LRESULT>(index) == CB_ERR) {
      ADD_FAILURE() << "the print dialog does not list " << queue_.printer;
      DialogFinder::press(dialog, IDCANCEL);
      return false;
    }
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &unused);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(PRINTER_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    DialogFinder::press(dialog, IDOK);
    return EditorProcess::wait_gone(dialog);
  }
  PrintQueue queue_;
};

TEST_F(PrintE2E, TheFieldsTextReachesThePrinterUnchanged) {
  const std::string text = "first line\r\n\r\n  third, indented\r\nlast";
  editor->set_field_text(text);
  JobListener listener(queue_.port);
  ASSERT_TRUE(listener.ok()) << listener.error();
  ASSERT_TRUE(print_on_queue());
  ASSERT_TRUE(listener.wait_job()) << "no job reached the queue's port";
  EXPECT_EQ(listener.bytes(), text + "\r\n");
}

TEST_F(PrintE2E, CancellingTheDialogPrintsNothing) {
  editor->set_field_text("never printed");
  editor->menu(kPrint);
  HWND dialog = editor->wait_dialog("Print");
  ASSERT_NE(dialog, nullptr);
  DialogFinder::press(dialog, IDCANCEL);
  ASSERT_TRUE(EditorProcess::wait_gone(dialog));
  editor->sync();
  EXPECT_TRUE(editor->running());
}

} // namespace
