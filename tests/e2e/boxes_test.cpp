// The message boxes a person reads: counts, memory, help, About and the
// answer of a search.
#include "tests/e2e/editor_process.h"

#include "app/help_texts.h"

namespace {

class Boxes : public EditorE2E {};

TEST_F(Boxes, CountsMemoryHelpAboutAndTheAnswerOfASearch) {
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 1");
  editor->set_field_text(std::string(1232, 'm') + "\r\n\r\n");
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 3");
  EXPECT_EQ(editor->box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 30000 bytes\r\n\r\nFree: 28764 bytes\r\n\r\nUsed: 1236 bytes");
  for (int id = MENU_IDE_REFERENCE; id <= MENU_SEARCH_HELP; ++id) {
    const HelpText* help = help_text_of(id);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(editor->box_of(id, help->title), help->message) << help->title;
  }
  EXPECT_EQ(editor->box_of(MENU_ABOUT, "About"), ABOUT_TEXT);

  editor->set_field_text("first\r\nsecond\r\nvar x=1;\r\nvar y=2;");
  editor->menu(MENU_SEARCH);
  HWND dialog = editor->wait_window("CorvatineDlgClass");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(DialogFinder::text_of(dialog), "Search");
  DialogFinder::type_into(GetDlgItem(dialog, 2), "VAR");
  DialogFinder::press(dialog, 1);
  EXPECT_EQ(editor->answer_box("Alert"), "\"VAR\" found on line 3");
  EXPECT_TRUE(EditorProcess::wait_gone(dialog));
  EXPECT_TRUE(editor->running());
}

} // namespace
