// The largest document the editor takes, loaded and worked from outside:
// each command answers on it as it does on a short one.
#include "tests/e2e/editor_process.h"
#include "tests/support/largest_document.h"

namespace {

using LargestDocument = EditorE2E;

TEST_F(LargestDocument, EachCommandAnswersAsOnAShortOne) {
  const std::string text = largest_document();
  ASSERT_TRUE(editor->pick_file(MENU_LOAD, "Load", folder.write("big.app", text + "\r\n")));
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 64526");
  EXPECT_EQ(editor->box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 4194304 bytes\r\n\r\nFree: 0 bytes\r\n\r\nUsed: 4194304 bytes");

  EXPECT_EQ(editor->search("largest DOCUMENT"), "\"largest DOCUMENT\" found on line 1");
  send_to(editor->field(), EM_LINESCROLL, 0, 100);
  ASSERT_EQ(send_to(editor->field(), EM_GETFIRSTVISIBLELINE), 100u);
  EXPECT_EQ(editor->search("endmark"), "\"endmark\" found on line 64526");
  EXPECT_EQ(editor->search("largest document"), "") << "its only line is above the view";

  // Its last block opens @SCRIPT and the text ends before the @HTML that would close it.
  EXPECT_EQ(editor->box_of(MENU_CHECK_SCRIPT, "Check Script"), "Line 64525: @SCRIPT is never closed by @HTML");
  // Compared whole, not shown: a difference of 4 MiB texts would take the
  // test's time to print.
  ASSERT_TRUE(editor->pick_file(MENU_TRANSLATE, "Translate", folder.in("big.html")));
  EXPECT_TRUE(TempFolder::read(folder.in("big.html")) == largest_document(true));
  ASSERT_TRUE(editor->pick_file(MENU_SAVE, "Save", folder.in("copy.app")));
  EXPECT_TRUE(TempFolder::read(folder.in("copy.app")) == text + "\r\n") << "Load and Save give back the same text";
}

} // namespace
