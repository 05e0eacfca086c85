// Print against a real spooler: the test script's CUPS raw queue forwards
// the job to a port this test listens on; the bytes must arrive unchanged.
#include "tests/e2e/editor_process.h"

#include "tests/runtime/controls/print_queue.h"

namespace {

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
  HWND dialog = editor->dialogs.wait_for("Print");
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDCANCEL);
  ASSERT_TRUE(editor->dialogs.wait_gone(dialog));

  // The listener takes the first job only: had the cancel sent one, it would be that.
  const std::string text = "first line\r\n\r\n  third, indented\r\nlast";
  editor->set_field_text(text);
  editor->menu(MENU_PRINT);
  dialog = editor->dialogs.wait_for("Print");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(editor->dialogs.pick_printer(dialog, queue_.printer)) << editor->dialogs.failure();
  press(dialog, IDOK);
  ASSERT_TRUE(editor->dialogs.wait_gone(dialog));
  ASSERT_TRUE(listener.wait_job()) << "no job reached the queue's port";
  EXPECT_EQ(listener.bytes(), text + "\r\n");
}

} // namespace
