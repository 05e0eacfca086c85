// Translate: the page written from the editing field, lines read whole,
// the name's extension and the question before a file is replaced.
#include "tests/app/editor_test.h"

#include "app/menu_ids.h"
#include "app/translate/translate.h"
#include "tests/support/temp_text.h"

namespace {

class Translate : public EditorTest {
protected:
  std::string translate_to(const std::string& typed) {
    pick(MENU_TRANSLATE, [&](DialogDriver& d) { answer_requester(d, "Translate", folder.in(typed)); });
    return TempFolder::read(folder.in(typed + ".html"));
  }
};

TEST_F(Translate, TheWorkedExampleGivesItsPageAndAnEmptyLastLine) {
  set_text("static msg,Hello\r\ntextbox name\r\nbutton greet,Say hello\r\n@script\r\ndef count,0\r\n"
           "function greet() {\r\n   inputstr name,who\r\n   count = count + 1\r\n   rand dice,6\r\n"
           "   update msg,\"Hello \" + who\r\n   if (dice == 6) {\r\n      alert \"Six\"\r\n   }\r\n}\r\n@html");
  EXPECT_EQ(translate_to("page"),
            "<p id=\"msg\">Hello</p>\r\n<input type=\"text\" id=\"name\">\r\n"
            "<button onclick=\"greet()\">Say hello</button>\r\n<script>\r\nvar count=0;\r\nfunction greet() {\r\n"
            "who=document.getElementById(\"name\").value;\r\ncount = count + 1;\r\n"
            "dice=Math.floor(Math.random()*6);\r\ndocument.getElementById(\"msg\").innerHTML=\"Hello \" + who;\r\n"
            "if (dice == 6) {\r\nwindow.alert(\"Six\");\r\n}\r\n}\r\n</script>\r\n\r\n");
}

TEST_F(Translate, AnEmptyFieldGivesTwoEmptyLines) { EXPECT_EQ(translate_to("empty"), "\r\n\r\n"); }

TEST_F(Translate, LongLinesAreTranslatedWhole) {
  std::string words(300, 'w');
  std::string huge(70000, 'h');
  set_text("write \"" + words + "\"\r\n" + huge);
  EXPECT_EQ(translate_to("long"), "document.write(\"" + words + "\");\r\n" + huge + "\r\n\r\n");
}

TEST_F(Translate, GivesALineForEveryLineTheFieldShows) {
  // Lone carriage returns and line feeds, which a field may or may not take
  // for line breaks: the page has a line for each line the field shows.
  set_text("print a\nb\r\nprint c\rd\r\n\r\n\tprint e");
  std::string expected;
  int lines = static_cast<int>(SendMessageA(field(), EM_GETLINECOUNT, 0, 0));
  int mode = 0;
  for (int i = 0; i <= lines; ++i) {
    char* line = translate_line(take(ctl_line_text(&editor_window, EDIT_FIELD_ID, i)).c_str(), &mode);
    expected += take(line) + "\r\n";
  }
  EXPECT_EQ(translate_to("lines"), expected);
}

TEST_F(Translate, TheFieldAndItsFlagStayAsTheyWere) {
  type("print x");
  translate_to("same");
  EXPECT_EQ(text(), "print x");
  EXPECT_TRUE(modified());
}

TEST_F(Translate, ANameWithTheExtensionIsKept) {
  set_text("a");
  pick(MENU_TRANSLATE, [&](DialogDriver& d) { answer_requester(d, "Translate", folder.in("page.HTML")); });
  EXPECT_EQ(TempFolder::read(folder.in("page.HTML")), "a\r\n\r\n");
  EXPECT_FALSE(TempFolder::exists(folder.in("page.HTML.html")));
}

TEST_F(Translate, AsksBeforeReplacingAndNoKeepsTheFile) {
  std::string page = folder.write("page.html", "old");
  set_text("new");
  std::string question;
  pick(MENU_TRANSLATE, [&](DialogDriver& d) {
    answer_requester(d, "Translate", folder.in("page"));
    answer_box(d, "Translate", &question, IDNO);
  });
  EXPECT_EQ(question, page + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(TempFolder::read(page), "old");
  pick(MENU_TRANSLATE, [&](DialogDriver& d) {
    answer_requester(d, "Translate", folder.in("page"));
    answer_box(d, "Translate", nullptr, IDYES);
  });
  EXPECT_EQ(TempFolder::read(page), "new\r\n\r\n");
}

TEST_F(Translate, APageThatCannotBeWrittenIsReported) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("page.html").c_str(), nullptr));
  std::string message;
  pick(MENU_TRANSLATE, [&](DialogDriver& d) {
    answer_requester(d, "Translate", folder.in("page"));
    answer_box(d, "Translate", nullptr, IDYES);
    answer_box(d, "Translate", &message);
  });
  EXPECT_EQ(message, "The page could not be written.\r\n\r\n" + folder.in("page.html"));
}

TEST_F(Translate, CancelWritesNothing) {
  pick(MENU_TRANSLATE, [&](DialogDriver& d) { cancel_requester(d, "Translate"); });
  EXPECT_FALSE(TempFolder::exists(folder.in(".html")));
}

} // namespace
