// New > Blank Page and New > HTML Template, and the modified check before
// them: announce, save, and stop only when the text was not written.
#include "tests/app/editor_test.h"

#include "app/menu_ids.h"

namespace {

const std::string kTemplate =
    "<!DOCTYPE html>\r\n\r\n<html>\r\n\r\n<head>\r\n\r\n<meta charset=\"UTF-8\">\r\n\r\n"
    "<meta name=\"author\" content=\"\">\r\n<meta name=\"description\" content=\"\">\r\n"
    "<meta name=\"keywords\" content=\"\">\r\n\r\n<title></title>\r\n\r\n</head>\r\n\r\n<body>\r\n\r\n\r\n"
    "</body>\r\n\r\n</html>";

class New : public EditorTest {};

TEST_F(New, BlankPageEmptiesAnUnmodifiedFieldWithoutAsking) {
  set_text("old");
  menu(MENU_NEW_BLANK);
  EXPECT_EQ(text(), "");
  EXPECT_FALSE(modified());
}

TEST_F(New, HtmlTemplateFillsTheFieldWithTwentyTwoLines) {
  menu(MENU_NEW_TEMPLATE);
  EXPECT_EQ(text(), kTemplate);
  EXPECT_EQ(SendMessageA(field(), EM_GETLINECOUNT, 0, 0), 22);
  EXPECT_FALSE(modified());
}

TEST_F(New, AModifiedFieldIsAnnouncedAndSavedFirst) {
  type("draft");
  std::string announced;
  pick(MENU_NEW_TEMPLATE, [&](DialogDriver& d) {
    answer_box(d, "Alert", &announced);
    answer_requester(d, "Save", folder.in("draft"));
  });
  EXPECT_EQ(announced, "Data has been modified.");
  EXPECT_EQ(TempFolder::read(folder.in("draft.app")), "draft\r\n");
  EXPECT_EQ(text(), kTemplate);
}

TEST_F(New, CancellingTheSaveDiscardsTheChanges) {
  type("draft");
  pick(MENU_NEW_BLANK, [&](DialogDriver& d) {
    answer_box(d, "Alert", nullptr);
    cancel_requester(d, "Save");
  });
  EXPECT_EQ(text(), "");
}

TEST_F(New, ASaveThatFailsKeepsTheText) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("draft.app").c_str(), nullptr));
  type("draft");
  std::string message;
  pick(MENU_NEW_BLANK, [&](DialogDriver& d) {
    answer_box(d, "Alert", nullptr);
    answer_requester(d, "Save", folder.in("draft"));
    answer_box(d, "Save", nullptr, IDYES);
    answer_box(d, "Save", &message);
  });
  EXPECT_EQ(message, "The file could not be saved.\r\n\r\n" + folder.in("draft.app"));
  EXPECT_EQ(text(), "draft");
  EXPECT_TRUE(modified());
}

TEST_F(New, NotReplacingAnExistingFileKeepsTheText) {
  std::string other = folder.write("draft.app", "other\r\n");
  type("draft");
  pick(MENU_NEW_BLANK, [&](DialogDriver& d) {
    answer_box(d, "Alert", nullptr);
    answer_requester(d, "Save", folder.in("draft"));
    answer_box(d, "Save", nullptr, IDNO);
  });
  EXPECT_EQ(text(), "draft");
  EXPECT_EQ(TempFolder::read(other), "other\r\n");
}

} // namespace
