// The editor's files from inside the process: Load keeps lines whole and refuses what it cannot take,
// a file dropped on the window loads as Load does, the command line names a file, Save adds the
// extension only when missing and gives the field its focus back, New stops at a No, Translate reads
// lines whole and says when it cannot write a page. (Round trips, the raised limit, replacing and
// quitting are checked end to end.)
#include "tests/app/editor_test.h"

#include <shlobj.h>

namespace {
constexpr int kMost = 4 * 1024 * 1024; // the most bytes the editor takes

class Load : public EditorTest {};

TEST_F(Load, ReplacesTheFieldAfterTheModifiedCheckAndKeepsTrailingEmptyLines) {
  set_text("earlier");
  pick_file(MENU_LOAD, "Load", ""); // cancelled
  EXPECT_EQ(text(), "earlier");
  // Typed text is asked about first; the driver fails if the box comes where none is wanted or not at all.
  struct { const char* what; const char* typed; std::string bytes, field; } cases[] = {
      {"empty lines at the end", "", "a\r\n\r\n\r\n", "a\r\n\r\n"},
      {"an empty file, over typed text", "typed", "", ""},
  };
  for (const auto& c : cases) {
    if (*c.typed) type(c.typed);
    std::string path = folder.write("in.app", c.bytes);
    pick(MENU_LOAD, [&](DialogDriver& d) {
      if (*c.typed) d.answer_box("Alert", IDNO); // the typed text goes
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

using Drop = EditorTest;

TEST_F(Drop, TheFileLoadsAfterTheModifiedCheck) {
  EXPECT_TRUE(GetWindowLongA(editor_window.handle, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "the shell drops only there";
  // As the shell drops a file: a DROPFILES block in movable memory of this process, which the window frees.
  auto drop = [&](const std::string& path, const DialogDriver::Script& answers) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2); // zeroed: the list ends in two NULs
    ASSERT_NE(memory, nullptr);
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    path.copy(reinterpret_cast<char*>(files + 1), path.size());
    GlobalUnlock(memory);
    auto drop_it = [&] { SendMessageA(editor_window.handle, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0); };
    EXPECT_EQ(run_answering(drop_it, answers), "");
  };
  std::string file = folder.write("dropped script.app", "from\r\nthe drop\r\n");
  type("draft");
  std::string asked;
  drop(file, [&](DialogDriver& d) { asked = d.answer_box("Alert", IDCANCEL); });
  EXPECT_EQ(asked, "Data has been modified.\r\n\r\nDo you want to save the changes?");
  EXPECT_EQ(text(), "draft");
  drop(file, [](DialogDriver& d) { d.answer_box("Alert", IDNO); });
  EXPECT_EQ(text(), "from\r\nthe drop");
  EXPECT_FALSE(modified());
}

TEST(StartFile, IsWhatTheFirstQuotesHoldOrTheWholeLine) {
  struct { const char* line; const char* file; } cases[] = {
      {nullptr, ""},
      {"  ", ""},
      {"\"C:\\My scripts\\a.app\"", "C:\\My scripts\\a.app"},
      {" \"C:\\a.app\" more", "C:\\a.app"},
      {"\"C:\\unclosed.app", "C:\\unclosed.app"},
      {"  C:\\My scripts\\a.app \t", "C:\\My scripts\\a.app"},
  };
  for (const auto& c : cases) EXPECT_EQ(start_file_of(c.line), c.file) << (c.line ? c.line : "(none)");
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

TEST_F(Translate, APageThatCannotBeWrittenIsReported) {
  set_text("new");
  ASSERT_TRUE(CreateDirectoryA(folder.in("dir.html").c_str(), nullptr));
  EXPECT_EQ(pick_file(MENU_TRANSLATE, "Translate", folder.in("dir"), {IDYES, IDOK}),
            "The page could not be written.\r\n\r\n" + folder.in("dir.html") + "\r\n\r\nAccess denied.")
      << "the path and the system's reason";
}

} // namespace
