// Documents worked from outside: typing, Ctrl+S and Ctrl+T, the template,
// save and load round trips, and the mended cases, checked byte for byte.
#include "tests/e2e/editor_process.h"

namespace {

constexpr int kNewBlank = 1, kNewTemplate = 2, kLoad = 3, kSave = 4;

class Documents : public EditorE2E {
protected:
  // Waits until the file holds exactly these bytes (the editor writes it
  // once its requester has closed).
  static bool written(const std::string& path, const std::string& bytes) {
    bool same = DialogFinder::poll([&] { return TempFolder::read(path) == bytes; }, 5000);
    EXPECT_EQ(TempFolder::read(path), bytes);
    return same;
  }
};

TEST_F(Documents, TypedTextSavedWithCtrlS) {
  ASSERT_TRUE(editor->focus_field());
  EditorProcess::type_keys("hello\nworld");
  editor->sync();
  ASSERT_TRUE(DialogFinder::poll([&] { return editor->field_text() == "hello\r\nworld"; }, 5000))
      << editor->field_text();
  EditorProcess::ctrl_key('S');
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("typed")));
  EXPECT_TRUE(written(folder.in("typed.app"), "hello\r\nworld\r\n"));
}

TEST_F(Documents, TheWorkedExampleTranslatedWithCtrlT) {
  ASSERT_TRUE(editor->focus_field());
  EditorProcess::type_keys("static msg,Hello\ntextbox name\nbutton greet,Say hello\n@script\ndef count,0\n"
                           "function greet() {\n   inputstr name,who\n   count = count + 1\n   rand dice,6\n"
                           "   update msg,\"Hello \" + who\n   if (dice == 6) {\n      alert \"Six\"\n   }\n}\n@html");
  editor->sync();
  ASSERT_TRUE(DialogFinder::poll(
      [&] {
        std::string t = editor->field_text();
        return t.size() > 200 && t.compare(t.size() - 7, 7, "\r\n@html") == 0;
      },
      5000))
      << editor->field_text();
  EditorProcess::ctrl_key('T');
  ASSERT_TRUE(editor->answer_requester("Translate", folder.in("page")));
  const std::string page =
      "<p id=\"msg\">Hello</p>\r\n<input type=\"text\" id=\"name\">\r\n"
      "<button onclick=\"greet()\">Say hello</button>\r\n<script>\r\nvar count=0;\r\nfunction greet() {\r\n"
      "who=document.getElementById(\"name\").value;\r\ncount = count + 1;\r\n"
      "dice=Math.floor(Math.random()*6);\r\ndocument.getElementById(\"msg\").innerHTML=\"Hello \" + who;\r\n"
      "if (dice == 6) {\r\nwindow.alert(\"Six\");\r\n}\r\n}\r\n</script>\r\n\r\n";
  EXPECT_TRUE(written(folder.in("page.html"), page));
}

TEST_F(Documents, TheHtmlTemplateSaved) {
  editor->menu_now(kNewTemplate);
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("template")));
  EXPECT_TRUE(written(folder.in("template.app"),
            "<!DOCTYPE html>\r\n\r\n<html>\r\n\r\n<head>\r\n\r\n<meta charset=\"UTF-8\">\r\n\r\n"
            "<meta name=\"author\" content=\"\">\r\n<meta name=\"description\" content=\"\">\r\n"
            "<meta name=\"keywords\" content=\"\">\r\n\r\n<title></title>\r\n\r\n</head>\r\n\r\n<body>\r\n\r\n\r\n"
            "</body>\r\n\r\n</html>\r\n"));
}

TEST_F(Documents, SaveLoadSaveGivesTheSameBytes) {
  const std::string text = "one\r\n\r\n   three\r\n" + std::string(400, 'L') + "\r\nlast";
  editor->set_field_text(text);
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("first")));
  ASSERT_TRUE(written(folder.in("first.app"), text + "\r\n"));
  editor->menu_now(kNewBlank);
  EXPECT_EQ(editor->field_text(), "");
  editor->menu(kLoad);
  ASSERT_TRUE(editor->answer_requester("Load", folder.in("first.app")));
  EXPECT_TRUE(editor->field_becomes(text)) << editor->field_text();
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("second.app")));
  EXPECT_TRUE(written(folder.in("second.app"), text + "\r\n"));
}

TEST_F(Documents, ReplacingAFileTheExtensionNamedIsAsked) {
  std::string target = folder.write("work.app", "old\r\n");
  editor->set_field_text("new");
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("work")));
  EXPECT_EQ(editor->answer_box("Save", IDNO), target + " already exists.\r\nDo you want to replace it?");
  editor->sync();
  EXPECT_EQ(TempFolder::read(target), "old\r\n");
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("work")));
  editor->answer_box("Save", IDYES);
  EXPECT_TRUE(written(target, "new\r\n"));
}

TEST_F(Documents, AFailedSaveIsReported) {
  ASSERT_TRUE(CreateDirectoryA(folder.in("work.app").c_str(), nullptr));
  editor->set_field_text("kept");
  editor->menu(kSave);
  ASSERT_TRUE(editor->answer_requester("Save", folder.in("work")));
  editor->answer_box("Save", IDYES);
  EXPECT_EQ(editor->answer_box("Save"), "The file could not be saved.\r\n\r\n" + folder.in("work.app"));
  EXPECT_EQ(editor->field_text(), "kept");
}

TEST_F(Documents, LoadKeepsLongLinesAndRaisesTheLimit) {
  std::string bytes;
  for (int i = 0; i < 400; ++i) bytes += std::string(299, 'a' + i % 26) + "\r\n"; // 120,400 bytes
  editor->menu(kLoad);
  ASSERT_TRUE(editor->answer_requester("Load", folder.write("long.app", bytes)));
  EXPECT_TRUE(editor->field_becomes(bytes.substr(0, bytes.size() - 2)));
  EXPECT_EQ(editor->box_of(14, "Memory Info").rfind("Limit: 150398 bytes\r\n\r\nFree: 30000 bytes", 0), 0u);
}

} // namespace
