// The largest document the editor takes, loaded and worked from outside:
// each command answers on it as it does on a short one.
#include "app/translate/translate.h"
#include "runtime/core/core.h"
#include "tests/e2e/editor_process.h"
#include "tests/support/largest_document.h"

namespace {

class LargestDocument : public EditorE2E {
protected:
  // Searches from the view's top; the box's text, or "" when the dialog
  // closed without one.
  std::string search(const char* wanted) const {
    editor->menu(MENU_SEARCH);
    HWND dialog = editor->wait_window("CorvatineDlgClass");
    if (!dialog) return "(no dialog)";
    type_into(GetDlgItem(dialog, 2), wanted);
    press(dialog, 1);
    std::string box;
    wait_until([&] { return !IsWindow(dialog) || editor->dialogs.find("Alert"); });
    if (IsWindow(dialog)) box = editor->dialogs.answer_box("Alert");
    editor->dialogs.wait_gone(dialog);
    return box;
  }
  bool pick_file(int id, const char* title, const std::string& path) const {
    editor->menu(id);
    bool answered = editor->dialogs.answer_requester(title, path);
    editor->sync(); // the command's work follows the requester
    return answered;
  }
};

TEST_F(LargestDocument, EachCommandAnswersAsOnAShortOne) {
  const std::string text = largest_document();
  // What Check Script and Translate are to give, worked out here.
  ASSERT_EQ(heap_start(), 1);
  const std::string problems = script_check(text.c_str()), page = page_of_text(text.c_str());
  heap_stop();
  ASSERT_TRUE(pick_file(MENU_LOAD, "Load", folder.write("big.app", text + "\r\n")));
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 64526");
  EXPECT_EQ(editor->box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 4194304 bytes\r\n\r\nFree: 0 bytes\r\n\r\nUsed: 4194304 bytes");

  EXPECT_EQ(search("largest DOCUMENT"), "\"largest DOCUMENT\" found on line 1");
  DWORD_PTR top = 0;
  SendMessageTimeoutA(editor->field(), EM_LINESCROLL, 0, 100, SMTO_NORMAL, 5000, &top);
  SendMessageTimeoutA(editor->field(), EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_NORMAL, 5000, &top);
  ASSERT_EQ(top, 100u);
  EXPECT_EQ(search("endmark"), "\"endmark\" found on line 64526");
  EXPECT_EQ(search("largest document"), "") << "its only line is above the view";

  EXPECT_EQ(editor->box_of(MENU_CHECK_SCRIPT, "Check Script"), problems.empty() ? "No problems found." : problems);
  // Compared whole, not shown: a difference of 4 MiB texts would take the
  // test's time to print.
  ASSERT_TRUE(pick_file(MENU_TRANSLATE, "Translate", folder.in("big.html")));
  EXPECT_TRUE(TempFolder::read(folder.in("big.html")) == page);
  ASSERT_TRUE(pick_file(MENU_SAVE, "Save", folder.in("copy.app")));
  EXPECT_TRUE(TempFolder::read(folder.in("copy.app")) == text + "\r\n") << "Load and Save give back the same text";
}

} // namespace
