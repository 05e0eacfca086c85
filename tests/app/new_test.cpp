// New > Blank Page and New > HTML Template, and the modified check before
// them: announce, save, and stop only when the text was not written.
// (The template's bytes are checked end to end.)
#include "tests/app/editor_test.h"

namespace {

class New : public EditorTest {
protected:
  static int lines() { return static_cast<int>(SendMessageA(field(), EM_GETLINECOUNT, 0, 0)); }
  // A pick on a modified field: the announcement answered, the Save
  // requester given name (cancelled when empty), Save's boxes given buttons.
  // The announcement's text and the last box's, joined by "|".
  std::string announced_then(int id, const std::string& name, std::initializer_list<int> buttons = {}) {
    std::string announced, last;
    pick(id, [&](DialogDriver& d) {
      answer_box(d, "Alert", &announced);
      answer_requester(d, "Save", name.empty() ? name : folder.in(name));
      for (int b : buttons) answer_box(d, "Save", &last, b);
    });
    return announced + "|" + last;
  }
};

TEST_F(New, AnUnmodifiedFieldIsReplacedWithoutAsking) {
  set_text("old");
  menu(MENU_NEW_TEMPLATE);
  EXPECT_EQ(lines(), 22);
  EXPECT_EQ(text().rfind("<!DOCTYPE html>\r\n", 0), 0u);
  EXPECT_FALSE(modified());
  menu(MENU_NEW_BLANK);
  EXPECT_EQ(text(), "");
  EXPECT_FALSE(modified());
}

TEST_F(New, AModifiedFieldIsAnnouncedAndSavedFirst) {
  type("draft");
  EXPECT_EQ(announced_then(MENU_NEW_TEMPLATE, "draft"), "Data has been modified.|");
  EXPECT_EQ(TempFolder::read(folder.in("draft.app")), "draft\r\n");
  EXPECT_EQ(lines(), 22);
}

TEST_F(New, CancellingTheSaveDiscardsTheChanges) {
  type("draft");
  announced_then(MENU_NEW_BLANK, "");
  EXPECT_EQ(text(), "");
}

TEST_F(New, ASaveThatWritesNothingKeepsTheText) {
  // A folder in the way cannot be written; an existing file the user keeps.
  ASSERT_TRUE(CreateDirectoryA(folder.in("draft.app").c_str(), nullptr));
  std::string other = folder.write("other.app", "other\r\n");
  type("draft");
  EXPECT_EQ(announced_then(MENU_NEW_BLANK, "draft", {IDYES, IDOK}),
            "Data has been modified.|The file could not be saved.\r\n\r\n" + folder.in("draft.app"));
  EXPECT_EQ(text(), "draft");
  EXPECT_TRUE(modified());
  announced_then(MENU_NEW_BLANK, "other", {IDNO});
  EXPECT_EQ(text(), "draft");
  EXPECT_EQ(TempFolder::read(other), "other\r\n");
}

} // namespace
