// Load: every line kept whole, no line break added after the last, and the
// files it cannot take. (Round trips and the raised limit are checked end
// to end.)
#include "tests/app/editor_test.h"

#include "app/documents.h"

namespace {

class Load : public EditorTest {
protected:
  void load(const std::string& path) { pick_file(MENU_LOAD, "Load", path); }
};

struct FileCase {
  const char* name;
  std::string bytes;
  std::string field;
};

class LoadFile : public Load, public ::testing::WithParamInterface<FileCase> {};

TEST_P(LoadFile, PutsItsLinesIntoTheField) {
  set_text("before");
  load(folder.write("in.app", GetParam().bytes));
  EXPECT_EQ(text(), GetParam().field);
  EXPECT_FALSE(modified());
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFile,
    ::testing::Values(FileCase{"saved", "a\r\nb\r\n", "a\r\nb"}, FileCase{"empty", "", ""},
                      FileCase{"one_empty_line", "\r\n", ""}, FileCase{"no_last_break", "a\r\nb", "a\r\nb"},
                      FileCase{"unix_ends", "a\nb\n", "a\r\nb"},
                      FileCase{"empty_lines_kept", "a\r\n\r\n\r\n", "a\r\n\r\n"},
                      FileCase{"long_line", std::string(300, 'x') + "\r\ny\r\n", std::string(300, 'x') + "\r\ny"},
                      FileCase{"very_long_line", std::string(70000, 'q') + "\r\n", std::string(70000, 'q')}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(Load, FilesItCannotTakeAreReportedAndTheFieldKept) {
  set_text("unchanged");
  int before = limit();
  // Just over the most the editor takes: found while reading, and from the file's size.
  for (int size : {DOCUMENT_MOST + 1, DOCUMENT_MOST + 3}) {
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

TEST_F(Load, CancelKeepsTheFieldAndALoadReplacesUnsavedChangesWithoutAsking) {
  type("typed");
  pick_file(MENU_LOAD, "Load", ""); // cancelled
  EXPECT_EQ(text(), "typed");
  EXPECT_TRUE(modified());
  load(folder.write("other.app", "other\r\n"));
  EXPECT_EQ(text(), "other");
}

} // namespace
