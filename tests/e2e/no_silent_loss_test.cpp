// The edges where text used to go without a word: the modified check's
// Cancel, a field that was full, names no file can have.
#include "tests/e2e/editor_process.h"

namespace {

class NoSilentLoss : public EditorE2E {
protected:
  // Starts a command that makes the modified check: a menu pick, or the close box (id 0).
  void start(int id) const {
    if (id == 0)
      PostMessageA(editor->window(), WM_CLOSE, 0, 0);
    else
      editor->menu(id);
  }
  // The text on the clipboard, as another program would put it there.
  static void clipboard_set(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
  }
  // The name typed into the command's requester, then its boxes answered:
  // a replace question with Yes, until one says what is wrong; its text.
  std::string problem_of(const char* title, const std::string& name) {
    HWND requester = editor->dialogs.wait_for(title);
    if (!requester) return "(no requester)";
    type_into(requester_name_field(requester), name);
    press(requester, IDOK);
    for (int i = 0; i < 3; ++i) {
      HWND box = editor->dialogs.wait_for(title, requester);
      if (!box) break;
      std::string text = box_text(box);
      bool question = text.find("already exists") != std::string::npos;
      press(box, question ? IDYES : IDOK);
      editor->dialogs.wait_gone(box);
      if (!question) return text;
    }
    return "(no box)";
  }
};

TEST_F(NoSilentLoss, CancelAtTheBoxOrAtTheRequesterKeepsTheText) {
  ASSERT_TRUE(editor->type_text("keep me"));
  for (int id : {0, +MENU_NEW_BLANK, +MENU_NEW_TEMPLATE, +MENU_LOAD, +MENU_EXAMPLE_FIRST, +MENU_QUIT}) {
    start(id);
    EXPECT_EQ(editor->dialogs.answer_box("Alert", IDCANCEL), MODIFIED_QUESTION) << id;
    start(id);
    editor->dialogs.answer_box("Alert", IDYES);
    EXPECT_TRUE(editor->dialogs.answer_requester("Save", "")) << id;
    editor->sync();
    EXPECT_TRUE(editor->running()) << id;
    EXPECT_EQ(editor->field_text(), "keep me") << id;
    EXPECT_TRUE(editor->modified()) << id;
  }
}

// (No before Load: Load.ReplacesTheFieldAfterTheModifiedCheck; before the close box: Quit.ASaveThatFails.)
TEST_F(NoSilentLoss, NoGoesOnWithoutSaving) {
  ASSERT_TRUE(editor->type_text("draft"));
  editor->menu(MENU_NEW_BLANK);
  EXPECT_EQ(editor->dialogs.answer_box("Alert", IDNO), MODIFIED_QUESTION);
  EXPECT_TRUE(editor->field_becomes(""));
  EXPECT_EQ(TempFolder::names(folder.in("*")), std::vector<std::string>{}) << "nothing was saved";
}

TEST_F(NoSilentLoss, TheFieldGrowsForTypingAndPastingAndRefusesAPastePastTheLargestDocument) {
  std::string big(40000, 'p');
  clipboard_set(big);
  ASSERT_TRUE(editor->press_keys({'V'}, true));
  EXPECT_TRUE(editor->field_becomes(big)) << "a paste of 40,000 characters arrives whole";
  EXPECT_EQ(editor->box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 70000 bytes\r\n\r\nFree: 30000 bytes\r\n\r\nUsed: 40000 bytes");

  std::string loaded(29988, 'l');
  editor->menu(MENU_LOAD);
  editor->dialogs.answer_box("Alert", IDNO);
  ASSERT_TRUE(editor->dialogs.answer_requester("Load", folder.write("full.app", loaded + "\r\n")));
  ASSERT_TRUE(editor->field_becomes(loaded));
  std::string typed(40, 't');
  SendMessageA(editor->field(), EM_SETSEL, loaded.size(), loaded.size());
  editor->type_keys_text(typed);
  EXPECT_TRUE(editor->field_becomes(loaded + typed)) << "every typed character kept after a load near the old limit";

  clipboard_set(std::string(4 * 1024 * 1024 + 1, 'x'));
  editor->menu(MENU_PASTE);
  EXPECT_EQ(editor->dialogs.answer_box("Paste"), "The text on the clipboard would make the document larger than the "
                                                 "editor takes (4 MiB).\r\n\r\nNothing was pasted.");
  EXPECT_EQ(editor->field_text().size(), loaded.size() + typed.size()) << "the field stays as it was";
}

TEST_F(NoSilentLoss, NamesNoFileCanHaveAreRefusedBeforeAnythingIsWritten) {
  ASSERT_TRUE(editor->type_text("precious"));
  const std::string reserved = "Windows keeps this name for a device; a file cannot have it.";
  const std::string too_long = "The path is longer than Windows takes (259 characters).";
  // 257 characters, 261 once Save adds ".app".
  const std::string near_limit = folder.in(std::string(257 - folder.path().size() - 1, 'n'));
  struct Case {
    int menu;
    const char* title;
    std::string name, message;
  } after_requester[] = {
      {MENU_SAVE, "Save", folder.in("nul.app"), reserved},
      {MENU_SAVE, "Save", folder.in("Aux.txt"), reserved},
      {MENU_TRANSLATE, "Translate", folder.in("COM1.html"), reserved},
      {MENU_SAVE, "Save", near_limit, too_long},
  };
  for (const Case& c : after_requester) {
    editor->menu(c.menu);
    std::string final_name = c.name;
    if (c.menu == MENU_SAVE && final_name.substr(final_name.size() - 4) != ".app") final_name += ".app";
    EXPECT_EQ(problem_of(c.title, c.name), c.message + "\r\n\r\n" + final_name);
    EXPECT_TRUE(editor->modified()) << c.name;
  }

  // Names the requester itself refuses before it reads them: it says so and stays for another name.
  const std::string too_long_typed = folder.in(std::string(300 - folder.path().size() - 5, 'n') + ".app");
  struct Typed {
    std::string name, message;
  } in_requester[] = {{"a\"b", "A file name cannot hold a quote, <, > or |."}, {too_long_typed, too_long}};
  for (const Typed& t : in_requester) {
    editor->menu(MENU_SAVE);
    EXPECT_EQ(problem_of("Save", t.name), t.message + "\r\n\r\n" + t.name);
    ASSERT_TRUE(editor->dialogs.answer_requester("Save", "")) << "the requester stays for another name";
  }

  editor->sync();
  EXPECT_TRUE(editor->running());
  EXPECT_TRUE(editor->modified());
  EXPECT_EQ(TempFolder::names(folder.in("*")), std::vector<std::string>{}) << "nothing was written";
}

} // namespace
