// Documents worked from outside: typing, Ctrl+S and Ctrl+T, the template, save and
// load round trips, the mended cases, a file named on the command line, and quitting with
// unsaved text, checked byte for byte.
#include "tests/e2e/editor_process.h"

namespace {

class Documents : public EditorE2E {
protected:
  // Waits until the file holds exactly these bytes (written once the requester has closed).
  static bool written(const std::string& path, const std::string& bytes) {
    bool same = wait_until([&] { return TempFolder::read(path) == bytes; }, 5000);
    EXPECT_EQ(TempFolder::read(path), bytes);
    return same;
  }
  bool save_as(const std::string& name) const { return editor->pick_file(MENU_SAVE, "Save", folder.in(name)); }
  bool load(const std::string& path) const { return editor->pick_file(MENU_LOAD, "Load", path); }
};

TEST_F(Documents, TheWorkedExampleTypedSavedWithCtrlSAndTranslatedWithCtrlT) {
  const std::string typed = "static msg,Hello\ntextbox name\nbutton greet,Say hello\n@script\ndef count,0\n"
                            "function greet() {\n   inputstr name,who\n   count = count + 1\n   rand dice,6\n"
                            "   update msg,\"Hello \" + who\n   if (dice == 6) {\n      alert \"Six\"\n   }\n}\n@html";
  ASSERT_TRUE(editor->type_text(typed)) << editor->field_text();
  type_keys({'S'}, true);
  ASSERT_TRUE(editor->dialogs.answer_requester("Save", folder.in("typed")));
  EXPECT_TRUE(written(folder.in("typed.app"), crlf(typed) + "\r\n"));
  // The requester leaves the focus on the window itself, whose accelerators still work.
  ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == editor->window(); }, 5000));
  type_keys({'T'}, true);
  ASSERT_TRUE(editor->dialogs.answer_requester("Translate", folder.in("page")));
  EXPECT_TRUE(written(folder.in("page.html"),
                      "<p id=\"msg\">Hello</p>\r\n<input type=\"text\" id=\"name\">\r\n"
                      "<button onclick=\"greet()\">Say hello</button>\r\n<script>\r\nvar count=0;\r\n"
                      "function greet() {\r\nwho=document.getElementById(\"name\").value;\r\ncount = count + 1;\r\n"
                      "dice=Math.floor(Math.random()*6);\r\n"
                      "document.getElementById(\"msg\").innerHTML=\"Hello \" + who;\r\n"
                      "if (dice == 6) {\r\nwindow.alert(\"Six\");\r\n}\r\n}\r\n</script>\r\n\r\n"));
}

TEST_F(Documents, TheTemplateSavedLoadedAndSavedAgainGivesTheSameBytes) {
  const std::string page = "<!DOCTYPE html>\r\n\r\n<html>\r\n\r\n<head>\r\n\r\n<meta charset=\"UTF-8\">\r\n\r\n"
                           "<meta name=\"author\" content=\"\">\r\n<meta name=\"description\" content=\"\">\r\n"
                           "<meta name=\"keywords\" content=\"\">\r\n\r\n<title></title>\r\n\r\n</head>\r\n\r\n"
                           "<body>\r\n\r\n\r\n</body>\r\n\r\n</html>\r\n";
  editor->menu_now(MENU_NEW_TEMPLATE);
  ASSERT_TRUE(save_as("first"));
  ASSERT_TRUE(written(folder.in("first.app"), page));
  editor->menu_now(MENU_NEW_BLANK);
  EXPECT_EQ(editor->field_text(), "");
  ASSERT_TRUE(load(folder.in("first.app")));
  EXPECT_TRUE(editor->field_becomes(page.substr(0, page.size() - 2))) << editor->field_text();
  ASSERT_TRUE(save_as("second.app"));
  EXPECT_TRUE(written(folder.in("second.app"), page));
}

// (No keeps the file: Save.NoToTheReplaceQuestionOfTheModifiedCheckStopsNew.)
TEST_F(Documents, ReplacingAFileTheExtensionNamedIsAsked) {
  std::string target = folder.write("work.app", "old\r\n");
  editor->set_field_text("new");
  ASSERT_TRUE(save_as("work"));
  EXPECT_EQ(editor->dialogs.answer_box("Save", IDYES), target + " already exists.\r\nDo you want to replace it?");
  EXPECT_TRUE(written(target, "new\r\n"));
}

TEST(CommandLine, TheFileNamedIsLoadedAsLoadDoesAndOneThatCannotBeReadIsSaid) {
  TempFolder folder{"tolvane-start"};
  ASSERT_TRUE(folder.ok());
  std::string file = folder.write("my script.app", "named\r\non the line\r\n");
  {
    EditorProcess editor(folder.path(), tolvane_exe_path(), "\"" + file + "\"");
    ASSERT_NE(editor.window(), nullptr);
    EXPECT_TRUE(editor.field_becomes("named\r\non the line")) << editor.field_text();
  }
  std::string missing = folder.in("no such script.app");
  EditorProcess editor(folder.path(), tolvane_exe_path(), "\"" + missing + "\"");
  ASSERT_NE(editor.window(), nullptr);
  EXPECT_EQ(editor.dialogs.answer_box("Load"), "The file could not be opened.\r\n\r\n" + missing);
  EXPECT_EQ(editor.field_text(), "");
}

class Quit : public EditorE2E {};

TEST_F(Quit, YesToTheModifiedCheckSavesThenQuits) {
  ASSERT_TRUE(editor->type_text("unsaved"));
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->dialogs.answer_box("Alert", IDYES), MODIFIED_QUESTION);
  ASSERT_TRUE(editor->dialogs.answer_requester("Save", folder.in("last")));
  EXPECT_EQ(editor->exit_code(), 0);
  EXPECT_EQ(TempFolder::read(folder.in("last.app")), "unsaved\r\n");
}

TEST_F(Quit, ASaveThatFailsKeepsTheEditorOpenUntilNoDiscardsTheText) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("last.app").c_str(), nullptr));
  ASSERT_TRUE(editor->type_text("unsaved"));
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->dialogs.answer_box("Alert", IDYES), MODIFIED_QUESTION);
  ASSERT_TRUE(editor->dialogs.answer_requester("Save", folder.in("last")));
  EXPECT_EQ(editor->dialogs.answer_box("Save", IDYES),
            folder.in("last.app") + " already exists.\r\nDo you want to replace it?");
  EXPECT_EQ(editor->dialogs.answer_box("Save"),
            "The file could not be saved.\r\n\r\n" + folder.in("last.app") + "\r\n\r\nAccess denied.");
  editor->sync();
  EXPECT_TRUE(editor->running());
  EXPECT_EQ(editor->field_text(), "unsaved");

  PostMessageA(editor->window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(editor->dialogs.answer_box("Alert", IDNO), MODIFIED_QUESTION) << "the failed save left the text modified";
  EXPECT_EQ(editor->exit_code(), 0);
}

} // namespace
