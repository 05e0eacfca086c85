// Save: the extension added only when missing, and the focus afterwards; New
// stopped by the modified check. (Replacing, failing and quitting are checked end to end.)
#include "tests/app/editor_test.h"

namespace {

class Save : public EditorTest {};

TEST_F(Save, WritesTheTextAndALineBreakAddingTheExtensionOnlyWhenMissing) {
  type("a\r\nb");
  pick_file(MENU_SAVE, "Save", ""); // cancelled
  EXPECT_TRUE(modified());
  EXPECT_FALSE(TempFolder::exists(folder.in(".app")));
  struct { const char* typed; const char* written; } names[] = {{"Work.APP", "Work.APP"}, {"work.txt", "work.txt.app"}};
  for (const auto& n : names) {
    type("!");
    pick_file(MENU_SAVE, "Save", folder.in(n.typed));
    EXPECT_EQ(TempFolder::read(folder.in(n.written)), text() + "\r\n") << n.typed;
    EXPECT_FALSE(TempFolder::exists(folder.in(std::string(n.written) + ".app"))) << n.typed;
    EXPECT_FALSE(modified());
    EXPECT_EQ(std::string(file_name), folder.in(n.written));
  }
}

TEST_F(Save, TheFieldHasTheFocusAgainOnceTheRequesterCloses) {
  SetForegroundWindow(editor_window.handle);
  ASSERT_TRUE(pump_until([] { return GetForegroundWindow() == editor_window.handle && GetFocus() == field(); }));
  type("typing goes on");
  pick_file(MENU_SAVE, "Save", folder.in("work"));
  EXPECT_TRUE(pump_until([] { return GetFocus() == field(); })) << "focus is on " << GetFocus();
}

TEST_F(Save, NoToTheReplaceQuestionOfTheModifiedCheckStopsNew) {
  std::string other = folder.write("other.app", "other\r\n");
  type("draft");
  std::string announced;
  pick(MENU_NEW_BLANK, [&](DialogDriver& d) {
    announced = d.answer_box("Alert");
    d.answer_requester("Save", folder.in("other"));
    d.answer_box("Save", IDNO);
  });
  EXPECT_EQ(announced, "Data has been modified.");
  EXPECT_EQ(text(), "draft");
  EXPECT_EQ(TempFolder::read(other), "other\r\n");
}

} // namespace
