// The message boxes a person reads: counts, memory, help, About and the
// answer of a search.
#include "tests/e2e/editor_process.h"

#include "app/help_texts.h"

namespace {

class Boxes : public EditorE2E {};

TEST_F(Boxes, LineCountAndMemoryInfo) {
  EXPECT_EQ(editor->box_of(13, "Alert"), "Line Count: 1");
  editor->set_field_text(std::string(1232, 'm') + "\r\n\r\n");
  EXPECT_EQ(editor->box_of(13, "Alert"), "Line Count: 3");
  EXPECT_EQ(editor->box_of(14, "Memory Info"), "Limit: 30000 bytes\r\n\r\nFree: 28764 bytes\r\n\r\nUsed: 1236 bytes");
}

TEST_F(Boxes, HelpTopicsAndAbout) {
  for (int id = 20; id <= 25; ++id) {
    const HelpText* help = help_text_of(id);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(editor->box_of(id, help->title), help->message) << help->title;
  }
  EXPECT_EQ(editor->box_of(26, "About"), ABOUT_TEXT);
  EXPECT_TRUE(editor->running());
}

TEST_F(Boxes, SearchAnswersWithTheLineNumber) {
  editor->set_field_text("first\r\nsecond\r\nvar x=1;\r\nvar y=2;");
  editor->menu(15);
  HWND dialog = editor->wait_window("CorvatineDlgClass", "Search");
  ASSERT_NE(dialog, nullptr);
  DialogFinder::type_into(GetDlgItem(dialog, 2), "VAR");
  DialogFinder::press(dialog, 1);
  EXPECT_EQ(editor->answer_box("Alert"), "\"VAR\" found on line 3");
  EXPECT_TRUE(EditorProcess::wait_gone(dialog));
}

} // namespace
