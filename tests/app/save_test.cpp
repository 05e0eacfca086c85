// Save: the name typed, the extension added only when missing, the question
// before an existing file is replaced, and what a failed write leaves.
// (Ctrl+S typed on the keyboard is checked end to end.)
#include "tests/app/editor_test.h"

namespace {

class Save : public EditorTest {};

struct TypedName {
  const char* typed;
  const char* written;
};

class SaveName : public Save, public ::testing::WithParamInterface<TypedName> {};

TEST_P(SaveName, WritesTheTextAndALineBreakAddingTheExtensionOnlyWhenMissing) {
  type("a\r\nb");
  pick_file(MENU_SAVE, "Save", folder.in(GetParam().typed));
  EXPECT_EQ(TempFolder::read(folder.in(GetParam().written)), "a\r\nb\r\n");
  EXPECT_FALSE(TempFolder::exists(folder.in(std::string(GetParam().written) + ".app")));
  EXPECT_FALSE(modified());
  EXPECT_EQ(std::string(file_name), folder.in(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveName,
                         ::testing::Values(TypedName{"work", "work.app"}, TypedName{"work.app", "work.app"},
                                           TypedName{"Work.APP", "Work.APP"}, TypedName{"work.txt", "work.txt.app"},
                                           TypedName{"work.ap", "work.ap.app"}));

TEST_F(Save, AsksBeforeReplacingAFileItsExtensionNamed) {
  std::string target = folder.write("work.app", "old\r\n");
  type("new");
  EXPECT_EQ(pick_file(MENU_SAVE, "Save", folder.in("work"), {IDNO}),
            target + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(TempFolder::read(target), "old\r\n");
  EXPECT_TRUE(modified());
  pick_file(MENU_SAVE, "Save", folder.in("work"), {IDYES});
  EXPECT_EQ(TempFolder::read(target), "new\r\n");
  EXPECT_FALSE(modified());
}

TEST_F(Save, TheFieldHasTheFocusAgainOnceTheRequesterCloses) {
  SetForegroundWindow(editor_window.handle);
  ASSERT_TRUE(pump_until([] { return GetForegroundWindow() == editor_window.handle && GetFocus() == field(); }));
  type("typing goes on");
  pick_file(MENU_SAVE, "Save", folder.in("work"));
  EXPECT_TRUE(pump_until([] { return GetFocus() == field(); })) << "focus is on " << GetFocus();
}

TEST_F(Save, CancelWritesNothing) {
  type("new");
  pick_file(MENU_SAVE, "Save", ""); // cancelled
  EXPECT_TRUE(modified());
  EXPECT_FALSE(TempFolder::exists(folder.in(".app")));
}

TEST_F(Save, AFileThatCannotBeWrittenIsReportedAndTheTextStaysModified) {
  // A folder of the final name cannot be opened as a file.
  ASSERT_TRUE(CreateDirectoryA(folder.in("work.app").c_str(), nullptr));
  type("kept");
  EXPECT_EQ(pick_file(MENU_SAVE, "Save", folder.in("work"), {IDYES, IDOK}),
            "The file could not be saved.\r\n\r\n" + folder.in("work.app"));
  EXPECT_TRUE(modified());
  EXPECT_EQ(text(), "kept");
}

} // namespace
