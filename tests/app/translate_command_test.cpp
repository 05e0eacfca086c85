// Translate: lines read whole, and the question before a page is replaced. (The worked
// example's page is checked end to end; the extension rule is Save's, tested there.)
#include "tests/app/editor_test.h"

namespace {

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
