// Quitting: the modified check before the editor goes, and a Save that
// could not write keeping the editor open.
#include "tests/e2e/editor_process.h"

namespace {

class Quit : public EditorE2E {};

TEST_F(Quit, AnUnmodifiedEditorEndsAtOnceWithZero) {
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->exit_code(), 0);
}

TEST_F(Quit, AModifiedTextIsAnnouncedThenSaved) {
  ASSERT_TRUE(editor->type_text("unsaved"));
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->answer_box("Alert"), "Data has been modified.");
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("last")));
  EXPECT_EQ(editor->exit_code(), 0);
  EXPECT_EQ(TempFolder::read(folder.in("last.app")), "unsaved\r\n");
}

TEST_F(Quit, TheCloseBoxOnAModifiedTextAnnouncesAndCancellingTheSaveDiscardsAndQuits) {
  ASSERT_TRUE(editor->type_text("unsaved"));
  PostMessageA(editor->window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor->answer_box("Alert"), "Data has been modified.");
  ASSERT_TRUE(editor->answer_requester("Save", ""));
  EXPECT_EQ(editor->exit_code(), 0);
}

TEST_F(Quit, ASaveThatFailsKeepsTheEditorOpen) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("last.app").c_str(), nullptr));
  ASSERT_TRUE(editor->type_text("unsaved"));
  editor->menu(MENU_QUIT);
  editor->answer_box("Alert");
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("last")));
  editor->answer_box("Save", IDYES);
  EXPECT_EQ(editor->answer_box("Save"), "The file could not be saved.\r\n\r\n" + folder.in("last.app"));
  editor->sync();
  EXPECT_TRUE(editor->running());
  EXPECT_EQ(editor->field_text(), "unsaved");
}

} // namespace
