// Work that is never lost: a Save killed at any moment, a disk that is full,
// an editor killed with unsaved text, a binary file picked in Load, and pages
// in the encoding they declare (a player page's title: the player's tests).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

#include "tests/e2e/editor_process.h"

namespace {
const std::string RECOVERY_QUESTION = "Tolvane closed before this text was saved. Restore it?";

std::string lines_of(char c, size_t bytes) {
  std::string line(62, c);
  std::string text;
  while (text.size() < bytes) text += line + "\r\n";
  return text.substr(0, text.size() - 2);
}

// The texts of the recovery files the editors of this test keep.
std::multiset<std::string> recovery_texts() {
  std::multiset<std::string> texts;
  std::string folder = private_app_data().recovery();
  for (const std::string& name : TempFolder::names(folder + "\\recovery-*.txt"))
    texts.insert(TempFolder::read(folder + "\\" + name));
  return texts;
}

// Types text and waits until its recovery file holds it; how long that took.
DWORD type_and_keep(EditorProcess& editor, const std::string& text, std::multiset<std::string> expected) {
  EXPECT_TRUE(editor.type_text(text));
  DWORD typed = GetTickCount();
  expected.insert(crlf(text));
  EXPECT_TRUE(wait_until([&] { return recovery_texts() == expected; }, 2000)) << "the recovery file of " << text;
  return GetTickCount() - typed;
}
} // namespace

// Save writes the new text to a file of its own beside the target (runtime/core/file_replace.cpp names
// it tlv*.tmp) and then renames it over the target: each editor is killed the moment that file appears.
TEST(KeepWork, ASaveKilledInsideItsWriteLeavesTheWholeOldOrTheWholeNewText) {
  TempFolder folder("tolvane-e2e");
  const std::string old_bytes = lines_of('o', 1 << 20) + "\r\n";
  const std::string new_text = lines_of('n', 3 << 19);
  folder.write("doc.app", old_bytes);
  std::string new_file = folder.write("new.app", new_text + "\r\n");
  auto beside = [&] { return TempFolder::names(folder.in("tlv*.tmp")); };
  int inside = 0, old_kept = 0, new_whole = 0;
  for (int round = 0; round < 10; ++round) {
    for (const std::string& left : beside()) DeleteFileA(folder.in(left).c_str());
    EditorProcess editor(folder.path());
    ASSERT_NE(editor.window(), nullptr);
    ASSERT_TRUE(editor.pick_file(MENU_LOAD, "Load", new_file)); // the field takes a text this large from Load
    ASSERT_TRUE(editor.pick_file(MENU_SAVE, "Save", folder.in("doc")));
    HWND question = editor.dialogs.wait_for("Save");
    ASSERT_NE(question, nullptr);
    press(question, IDYES);
    for (DWORD start = GetTickCount(); beside().empty() && GetTickCount() - start < 5000;) {
    }
    editor.kill();
    // Still there after the kill: the kill came before the rename.
    inside += !beside().empty();
    std::string now = TempFolder::read(folder.in("doc.app"));
    if (now == old_bytes)
      ++old_kept;
    else if (now == new_text + "\r\n")
      ++new_whole;
    else
      ADD_FAILURE() << "killed in round " << round << ", the file holds " << now.size() << " bytes";
  }
  EXPECT_GT(inside, 0) << "no kill came while the Save's own file stood beside the target";
  std::printf("Kills during the Save: %d inside its write; %d left the old text, %d the new one\n", inside, old_kept,
              new_whole);
}

TEST(KeepWork, AFullDiskGivesTheFailureMessageAndLeavesTheOldFile) {
  const char* disk = std::getenv("TOLVANE_FULL_DISK");
  if (!disk) GTEST_SKIP() << "needs the small file system the test script mounts when it runs as root";
  std::string folder = windows_path(disk) + "\\" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  std::string path = folder + "\\doc.app", filler = folder + "\\filler";
  std::ofstream(path, std::ios::binary) << "old text\r\n";
  HANDLE fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  std::string block(4096, 'f');
  DWORD put = 0;
  while (WriteFile(fill, block.data(), static_cast<DWORD>(block.size()), &put, nullptr) && put == block.size()) {
  }
  CloseHandle(fill);

  EditorProcess editor(folder);
  ASSERT_TRUE(editor.type_text("new text"));
  ASSERT_TRUE(editor.pick_file(MENU_SAVE, "Save", folder + "\\doc"));
  editor.dialogs.answer_box("Save", IDYES);
  std::string said = editor.dialogs.answer_box("Save");
  EXPECT_EQ(said.rfind("The file could not be saved.\r\n\r\n" + path + "\r\n\r\n", 0), 0u) << said;
  EXPECT_GT(said.size(), 40 + path.size()) << "the system's reason";
  EXPECT_EQ(TempFolder::read(path), "old text\r\n");
  EXPECT_TRUE(editor.modified());
  editor.kill();
  for (const std::string& p : {path, filler}) DeleteFileA(p.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(KeepWork, UnsavedTextComesBackAfterAKillAndNoForgetsIt) {
  TempFolder folder("tolvane-e2e");
  DWORD longest = 0;
  for (const char* answer : {"No", "Yes"}) {
    SCOPED_TRACE(answer);
    EditorProcess typing(folder.path());
    longest = std::max(longest, type_and_keep(typing, "kept\nacross", {}));
    typing.kill();

    EditorProcess next(folder.path());
    EXPECT_EQ(next.dialogs.answer_box("Recovery", *answer == 'Y' ? IDYES : IDNO), RECOVERY_QUESTION);
    next.sync();
    if (*answer == 'Y') {
      EXPECT_EQ(next.field_text(), "kept\r\nacross");
      EXPECT_TRUE(next.modified()) << "Quit still offers to save it";
      break;
    }
    EXPECT_EQ(next.field_text(), "");
    EXPECT_TRUE(recovery_texts().empty()) << "No removes the file";
    next.kill();
    EditorProcess after(folder.path());
    after.sync();
    EXPECT_TRUE(after.dialogs.all().empty()) << "the next start asks nothing";
    after.menu(MENU_QUIT);
    EXPECT_EQ(after.exit_code(), 0);
  }
  std::printf("Typing reached its recovery file %lu ms after the last key\n", longest);
}

TEST(KeepWork, TwoEditorsKeepTheirOwnTextsAndOnlyTheOneKilledIsOffered) {
  TempFolder folder("tolvane-e2e");
  EditorProcess mine(folder.path());
  type_and_keep(mine, "mine", {});
  EditorProcess theirs(folder.path());
  mine.sync();
  EXPECT_TRUE(theirs.dialogs.all().empty()) << "a running editor's text is not offered";
  type_and_keep(theirs, "theirs", {"mine"});
  theirs.kill();

  EditorProcess next(folder.path());
  EXPECT_EQ(next.dialogs.answer_box("Recovery", IDYES), RECOVERY_QUESTION);
  next.sync();
  EXPECT_EQ(next.field_text(), "theirs");
  EXPECT_TRUE(next.dialogs.all().empty()) << "asked once, about the killed editor's text only";
  EXPECT_EQ(mine.field_text(), "mine");
}

TEST_F(EditorE2E, LoadRefusesAFileWithANulByteAndKeepsTheField) {
  std::string path = folder.write("binary.app", std::string("text\0more\r\nline", 15));
  ASSERT_TRUE(editor->type_text("mine"));
  editor->menu(MENU_LOAD);
  editor->dialogs.answer_box("Alert", IDNO);
  ASSERT_TRUE(editor->dialogs.answer_requester("Load", path));
  EXPECT_EQ(editor->dialogs.answer_box("Load"), "The file is not a text file.\r\n\r\n" + path);
  EXPECT_EQ(editor->field_text(), "mine");
  EXPECT_TRUE(editor->modified());
}

TEST_F(EditorE2E, APageThatDeclaresUtf8IsWrittenInUtf8AndAnyOtherAsTyped) {
  struct Case { std::string first_line, words; } cases[] = {
      {"<meta charset=\"UTF-8\">", "caf\xc3\xa9 na\xc3\xafve"},
      {"<meta charset=\"windows-1252\">", "caf\xe9 na\xefve"},
      {"<p>nothing declared</p>", "caf\xe9 na\xefve"},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first_line);
    std::string page = "page" + std::to_string(++n);
    editor->set_field_text(c.first_line + "\r\ncaf\xe9 na\xefve");
    ASSERT_TRUE(editor->pick_file(MENU_TRANSLATE, "Translate", folder.in(page)));
    EXPECT_EQ(TempFolder::read(folder.in(page + ".html")), c.first_line + "\r\n" + c.words + "\r\n\r\n");
  }
}
