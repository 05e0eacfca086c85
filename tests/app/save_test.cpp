// Save: the name typed, the extension added only when missing, the question
// before an existing file is replaced, and what a failed write leaves.
#include "tests/app/editor_test.h"

#include "app/menu_ids.h"

namespace {

class Save : public EditorTest {};

TEST_F(Save, WritesTheFieldsTextAndALineBreak) {
  type("a\r\nb");
  pick(MENU_SAVE, [&](DialogDriver& d) { answer_requester(d, "Save", folder.in("work")); });
  EXPECT_EQ(TempFolder::read(folder.in("work.app")), "a\r\nb\r\n");
  EXPECT_FALSE(modified());
  EXPECT_EQ(std::string(file_name), folder.in("work.app"));
}

struct TypedName {
  const char* typed;
  const char* written;
};

class SaveName : public Save, public ::testing::WithParamInterface<TypedName> {};

TEST_P(SaveName, AddsTheExtensionOnlyWhenTheNameLacksIt) {
  type("x");
  pick(MENU_SAVE, [&](DialogDriver& d) { answer_requester(d, "Save", folder.in(GetParam().typed)); });
  EXPECT_EQ(TempFolder::read(folder.in(GetParam().written)), "x\r\n");
  EXPECT_FALSE(TempFolder::exists(folder.in(std::string(GetParam().written) + ".app")));
}

INSTANTIATE_TEST_SUITE_P(Names, SaveName,
                         ::testing::Values(TypedName{"work", "work.app"}, TypedName{"work.app", "work.app"},
                                           TypedName{"Work.APP", "Work.APP"}, TypedName{"work.txt", "work.txt.app"},
                                           TypedName{"work.ap", "work.ap.app"}));

TEST_F(Save, AsksBeforeReplacingAFileItsExtensionNamed) {
  std::string target = folder.write("work.app", "old\r\n");
  type("new");
  std::string question;
  pick(MENU_SAVE, [&](DialogDriver& d) {
    answer_requester(d, "Save", folder.in("work"));
    answer_box(d, "Save", &question, IDYES);
  });
  EXPECT_EQ(question, target + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(TempFolder::read(target), "new\r\n");
  EXPECT_FALSE(modified());
}

TEST_F(Save, NoToTheQuestionWritesNothing) {
  std::string target = folder.write("work.app", "old\r\n");
  type("new");
  pick(MENU_SAVE, [&](DialogDriver& d) {
    answer_requester(d, "Save", folder.in("work"));
    answer_box(d, "Save", nullptr, IDNO);
  });
  EXPECT_EQ(TempFolder::read(target), "old\r\n");
  EXPECT_TRUE(modified());
}

TEST_F(Save, CancelWritesNothing) {
  type("new");
  pick(MENU_SAVE, [&](DialogDriver& d) { cancel_requester(d, "Save"); });
  EXPECT_TRUE(modified());
  EXPECT_EQ(TempFolder::read(folder.in(".app")), "");
}

TEST_F(Save, AFileThatCannotBeWrittenIsReportedAndTheTextStaysModified) {
  // A folder of the final name cannot be opened as a file.
  ASSERT_TRUE(CreateDirectoryA(folder.in("work.app").c_str(), nullptr));
  type("kept");
  std::string message;
  pick(MENU_SAVE, [&](DialogDriver& d) {
    answer_requester(d, "Save", folder.in("work"));
    answer_box(d, "Save", nullptr, IDYES); // replace what stands there
    answer_box(d, "Save", &message);
  });
  EXPECT_EQ(message, "The file could not be saved.\r\n\r\n" + folder.in("work.app"));
  EXPECT_TRUE(modified());
  EXPECT_EQ(text(), "kept");
}

TEST_F(Save, CtrlSInTheFieldSaves) {
  type("abc");
  SetForegroundWindow(editor_window.handle);
  SetFocus(field());
  // The system takes the keyboard's state as the window gets the focus: the
  // keys go after that, or the Ctrl key would be forgotten.
  ASSERT_TRUE(pump_until([] { return GetForegroundWindow() == editor_window.handle && GetFocus() == field(); }));
  pump_all();
  DialogDriver driver([&](DialogDriver& d) { answer_requester(d, "Save", folder.in("keys")); });
  INPUT keys[4] = {};
  for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = 'S';
  keys[2].ki.wVk = 'S';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
  EXPECT_TRUE(pump_until([&] { return TempFolder::exists(folder.in("keys.app")); }));
  EXPECT_TRUE(driver.finish()) << driver.failure();
  pump_all();
  EXPECT_EQ(TempFolder::read(folder.in("keys.app")), "abc\r\n");
}

} // namespace
