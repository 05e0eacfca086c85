// Translate: the page written from the editing field, lines read whole,
// the name's extension and the question before a file is replaced. (The
// worked example's page is checked end to end.)
#include "tests/app/editor_test.h"

#include "app/translate/translate.h"
#include "tests/support/temp_text.h"

namespace {

class Translate : public EditorTest {
protected:
  std::string translate_to(const std::string& typed) {
    pick_file(MENU_TRANSLATE, "Translate", folder.in(typed));
    return TempFolder::read(folder.in(typed + ".html"));
  }
};

TEST_F(Translate, AnEmptyFieldGivesTwoEmptyLinesUnderANameThatHasTheExtension) {
  pick_file(MENU_TRANSLATE, "Translate", folder.in("page.HTML"));
  EXPECT_EQ(TempFolder::read(folder.in("page.HTML")), "\r\n\r\n");
  EXPECT_FALSE(TempFolder::exists(folder.in("page.HTML.html")));
}

TEST_F(Translate, LongLinesAreTranslatedWhole) {
  std::string words(300, 'w');
  std::string huge(70000, 'h');
  set_text("write \"" + words + "\"\r\n" + huge);
  EXPECT_EQ(translate_to("long"), "document.write(\"" + words + "\");\r\n" + huge + "\r\n\r\n");
}

TEST_F(Translate, GivesALineForEveryLineTheFieldShowsAndLeavesTheField) {
  // Lone carriage returns and line feeds, which a field may or may not take
  // for line breaks: the page has a line for each line the field shows.
  const std::string source = "print a\nb\r\nprint c\rd\r\n\r\n\tprint e";
  type(source);
  std::string expected;
  int lines = static_cast<int>(SendMessageA(field(), EM_GETLINECOUNT, 0, 0));
  int mode = 0;
  for (int i = 0; i <= lines; ++i) {
    char* line = translate_line(take(ctl_line_text(&editor_window, EDIT_FIELD_ID, i)).c_str(), &mode);
    expected += take(line) + "\r\n";
  }
  EXPECT_EQ(translate_to("lines"), expected);
  EXPECT_EQ(text(), source);
  EXPECT_TRUE(modified());
}

TEST_F(Translate, AsksBeforeReplacingAndNoKeepsTheFile) {
  std::string page = folder.write("page.html", "old");
  set_text("new");
  EXPECT_EQ(pick_file(MENU_TRANSLATE, "Translate", folder.in("page"), {IDNO}),
            page + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(TempFolder::read(page), "old");
  pick_file(MENU_TRANSLATE, "Translate", folder.in("page"), {IDYES});
  EXPECT_EQ(TempFolder::read(page), "new\r\n\r\n");
}

TEST_F(Translate, APageThatCannotBeWrittenIsReported) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("page.html").c_str(), nullptr));
  EXPECT_EQ(pick_file(MENU_TRANSLATE, "Translate", folder.in("page"), {IDYES, IDOK}),
            "The page could not be written.\r\n\r\n" + folder.in("page.html"));
}

TEST_F(Translate, CancelWritesNothing) {
  pick_file(MENU_TRANSLATE, "Translate", ""); // cancelled
  EXPECT_FALSE(TempFolder::exists(folder.in(".html")));
}

} // namespace
