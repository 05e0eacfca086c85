// The editor's files from inside the process: Load keeps lines whole and refuses what it cannot take,
// Save adds the extension only when missing and gives the field its focus back, New stops at a No,
// Translate reads lines whole and asks before replacing a page. (Round trips, the raised limit,
// replacing and quitting are checked end to end.)
#include "tests/app/editor_test.h"

namespace {
constexpr int kMost = 4 * 1024 * 1024; // the most bytes the editor takes

class Load : public EditorTest {};

TEST_F(Load, ReplacesTheFieldAfterTheModifiedCheckAndKeepsTrailingEmptyLines) {
  type("typed");
  pick(MENU_LOAD, [](DialogDriver& d) {
    d.answer_box("Alert", IDNO);
    d.answer_requester("Load", ""); // cancelled
  });
  EXPECT_EQ(text(), "typed");
  EXPECT_TRUE(modified());
  struct { const char* what; std::string bytes, field; } cases[] = {
      {"empty lines at the end", "a\r\n\r\n\r\n", "a\r\n\r\n"},
      {"a line of 70,000 bytes", std::string(70000, 'q') + "\r\n", std::string(70000, 'q')},
      {"an empty file", "", ""},
  };
  for (const auto& c : cases) {
    bool asks = modified();
    std::string path = folder.write("in.app", c.bytes);
    pick(MENU_LOAD, [&](DialogDriver& d) {
      if (asks) d.answer_box("Alert", IDNO); // the typed text goes
      d.answer_requester("Load", path);
    });
    EXPECT_EQ(text(), c.field) << c.what;
    EXPECT_FALSE(modified()) << c.what;
  }
}

TEST_F(Load, FilesItCannotTakeAreReportedAndTheFieldKept) {
  set_text("unchanged");
  int before = limit();
  // Just over the most the editor takes: found while reading, and from the file's size.
  for (int size : {kMost + 1, kMost + 3}) {
    std::string huge = folder.write("huge.app", std::string(static_cast<size_t>(size), 'h'));
    EXPECT_EQ(pick_file(MENU_LOAD, "Load", huge, {IDOK}), "The file is too large for the editor.\r\n\r\n" + huge);
  }
  std::string held = folder.write("held.app", "theirs");
  HANDLE lock = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_EQ(pick_file(MENU_LOAD, "Load", held, {IDOK}), "The file could not be opened.\r\n\r\n" + held);
  CloseHandle(lock);
  EXPECT_EQ(text(), "unchanged");
  EXPECT_EQ(limit(), before);
}

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
  std::string announced, question;
  pick(MENU_NEW_BLANK, [&](DialogDriver& d) {
    announced = d.answer_box("Alert", IDYES);
    d.answer_requester("Save", folder.in("other"));
    question = d.answer_box("Save", IDNO);
  });
  EXPECT_EQ(announced, "Data has been modified.\r\n\r\nDo you want to save the changes?");
  EXPECT_EQ(question, other + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(text(), "draft");
  EXPECT_EQ(TempFolder::read(other), "other\r\n");
}

class Translate : public EditorTest {};

TEST_F(Translate, LongLinesAreTranslatedWhole) {
  std::string words(300, 'w');
  std::string huge(70000, 'h');
  set_text("write \"" + words + "\"\r\n" + huge);
  pick_file(MENU_TRANSLATE, "Translate", folder.in("long"));
  EXPECT_EQ(TempFolder::read(folder.in("long.html")), "document.write(\"" + words + "\");\r\n" + huge + "\r\n\r\n");
}

TEST_F(Translate, NoKeepsAnExistingPageAndAPageThatCannotBeWrittenIsReported) {
  std::string page = folder.write("page.html", "old");
  set_text("new");
  EXPECT_EQ(pick_file(MENU_TRANSLATE, "Translate", folder.in("page"), {IDNO}),
            page + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(TempFolder::read(page), "old");
  ASSERT_TRUE(CreateDirectoryA(folder.in("dir.html").c_str(), nullptr));
  EXPECT_EQ(pick_file(MENU_TRANSLATE, "Translate", folder.in("dir"), {IDYES, IDOK}),
            "The page could not be written.\r\n\r\n" + folder.in("dir.html") + "\r\n\r\nAccess denied.")
      << "the path and the system's reason";
}

} // namespace
