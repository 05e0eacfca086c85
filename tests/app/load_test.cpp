// Load: lines kept whole, no line break added after the last, and the files
// it cannot take. (Round trips and the raised limit are checked end to end.)
#include "tests/app/editor_test.h"

#include "app/documents.h"

namespace {

class Load : public EditorTest {};

TEST_F(Load, ReplacesTheFieldWithoutAskingAndKeepsTrailingEmptyLines) {
  type("typed");
  pick_file(MENU_LOAD, "Load", ""); // cancelled
  EXPECT_EQ(text(), "typed");
  EXPECT_TRUE(modified());
  struct { const char* what; std::string bytes, field; } cases[] = {
      {"empty lines at the end", "a\r\n\r\n\r\n", "a\r\n\r\n"},
      {"a line of 70,000 bytes", std::string(70000, 'q') + "\r\n", std::string(70000, 'q')},
      {"an empty file", "", ""},
  };
  for (const auto& c : cases) {
    pick_file(MENU_LOAD, "Load", folder.write("in.app", c.bytes));
    EXPECT_EQ(text(), c.field) << c.what;
    EXPECT_FALSE(modified()) << c.what;
  }
}

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

} // namespace
