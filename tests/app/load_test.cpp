// Load: every line kept whole, no line break added after the last, the
// field's limit raised for a long file, and the files it cannot take.
#include "tests/app/editor_test.h"

#include "app/documents.h"
#include "app/menu_ids.h"

namespace {

class Load : public EditorTest {
protected:
  void load(const std::string& path) {
    pick(MENU_LOAD, [&](DialogDriver& d) { answer_requester(d, "Load", path); });
  }
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
                      FileCase{"unix_ends", "a\nb\n", "a\r\nb"}, FileCase{"empty_lines_kept", "a\r\n\r\n\r\n", "a\r\n\r\n"},
                      FileCase{"long_line", std::string(300, 'x') + "\r\ny\r\n", std::string(300, 'x') + "\r\ny"},
                      FileCase{"very_long_line", std::string(70000, 'q') + "\r\n", std::string(70000, 'q')}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(Load, SaveAndLoadGiveBackTheSameText) {
  const std::string original = "first\r\n\r\n  indented\r\nlast";
  type(original);
  for (int round = 0; round < 3; ++round) {
    std::string name = "cycle" + std::to_string(round) + ".app";
    pick(MENU_SAVE, [&](DialogDriver& d) { answer_requester(d, "Save", folder.in(name)); });
    set_text("");
    load(folder.in(name));
    EXPECT_EQ(text(), original) << "round " << round;
  }
}

TEST_F(Load, RaisesTheFieldsLimitForALargerFile) {
  std::string line(99, 'z');
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += line + "\r\n"; // 101,000 bytes
  ASSERT_LT(limit(), 100000);
  load(folder.write("big.app", bytes));
  std::string expected = bytes.substr(0, bytes.size() - 2);
  EXPECT_EQ(text().size(), expected.size());
  EXPECT_EQ(text(), expected);
  EXPECT_GE(limit(), static_cast<int>(expected.size()));
}

TEST_F(Load, RefusesAFileLargerThanTheEditorTakesAndKeepsTheField) {
  std::string path = folder.in("huge.app");
  {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    std::string chunk(1 << 16, 'h');
    for (int i = 0; i <= DOCUMENT_MOST / (1 << 16); ++i) {
      DWORD put = 0;
      WriteFile(f, chunk.data(), static_cast<DWORD>(chunk.size()), &put, nullptr);
    }
    CloseHandle(f);
  }
  set_text("unchanged");
  int before = limit();
  std::string message;
  pick(MENU_LOAD, [&](DialogDriver& d) {
    answer_requester(d, "Load", path);
    answer_box(d, "Load", &message);
  });
  EXPECT_EQ(message, "The file is too large for the editor.\r\n\r\n" + path);
  EXPECT_EQ(text(), "unchanged");
  EXPECT_EQ(limit(), before);
}

TEST_F(Load, AFileThatCannotBeOpenedIsReportedAndTheFieldKept) {
  std::string path = folder.write("held.app", "theirs");
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  set_text("unchanged");
  std::string message;
  pick(MENU_LOAD, [&](DialogDriver& d) {
    answer_requester(d, "Load", path);
    answer_box(d, "Load", &message);
  });
  CloseHandle(held);
  EXPECT_EQ(message, "The file could not be opened.\r\n\r\n" + path);
  EXPECT_EQ(text(), "unchanged");
}

TEST_F(Load, CancelKeepsTheField) {
  type("typed");
  pick(MENU_LOAD, [&](DialogDriver& d) { cancel_requester(d, "Load"); });
  EXPECT_EQ(text(), "typed");
  EXPECT_TRUE(modified());
}

TEST_F(Load, ReplacesUnsavedChangesWithoutAsking) {
  type("unsaved");
  load(folder.write("other.app", "other\r\n"));
  EXPECT_EQ(text(), "other");
}

} // namespace
