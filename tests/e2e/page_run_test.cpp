// Run (F5), Restart after Run, Check Script, Open in Browser and the
// examples, worked as a person would. The system's browser control cannot
// show pages here: a page is checked through its file and the run window
// that shows it.
#include <windows.h>

#include "app/examples.h"
#include "tests/e2e/editor_process.h"

namespace {

const char* const EMULATION_KEY =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// The browser mode this user has for tolvane.exe; 0 when none.
DWORD emulation_mode() {
  DWORD mode = 0, size = sizeof mode;
  if (RegGetValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe", RRF_RT_REG_DWORD, nullptr, &mode, &size) != 0)
    return 0;
  return mode;
}
void emulation_mode_set(DWORD mode) {
  if (mode == 0) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe");
    return;
  }
  RegSetKeyValueA(HKEY_CURRENT_USER, EMULATION_KEY, "tolvane.exe", REG_DWORD, &mode, sizeof mode);
}

class PageRunE2E : public EditorE2E {
protected:
  void SetUp() override {
    emulation_mode_set(0); // before the editor starts: as on a machine it never ran on
    EditorE2E::SetUp();
  }
  void TearDown() override {
    EditorE2E::TearDown();
    emulation_mode_set(0);
  }

  // Where Run puts the page: the editor's own folder of the user's temporary files.
  std::string run_folder() const {
    DWORD pid = 0;
    GetWindowThreadProcessId(editor->window(), &pid);
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "Tolvane-" + std::to_string(pid);
  }
  std::string run_page() const { return run_folder() + "\\page.html"; }

  // One run window showing the page of Run, and that page holds these bytes.
  bool shows(const std::string& page) const {
    return wait_until([&] {
      std::vector<HWND> all = editor->run_windows();
      return all.size() == 1 && text_of(all[0]) == "Executing " + run_page() &&
             TempFolder::read(run_page()) == page;
    });
  }
  void press_key(WORD key) const {
    SetForegroundWindow(editor->window());
    ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == editor->window(); }, 5000));
    type_keys({key});
    editor->sync();
  }
  bool modified() const {
    DWORD_PTR flag = 0;
    SendMessageTimeoutA(editor->field(), EM_GETMODIFY, 0, 0, SMTO_ABORTIFHUNG, 5000, &flag);
    return flag != 0;
  }
  void set_modified(bool flag) const {
    DWORD_PTR unused = 0;
    SendMessageTimeoutA(editor->field(), EM_SETMODIFY, flag, 0, SMTO_ABORTIFHUNG, 5000, &unused);
  }
};

TEST_F(PageRunE2E, F5ShowsTheFieldsPageAtOnceAgainInTheSameWindowAndQuitRemovesIt) {
  editor->set_field_text("static msg,Hello");
  set_modified(true);
  press_key(VK_F5);
  ASSERT_TRUE(shows("<p id=\"msg\">Hello</p>\r\n\r\n"));
  EXPECT_TRUE(editor->dialogs.all().empty()) << "no requester, no box";
  EXPECT_EQ(editor->field_text(), "static msg,Hello");
  EXPECT_TRUE(modified()) << "Run leaves the modified flag alone";

  editor->set_field_text("static msg,Changed");
  press_key(VK_F5);
  EXPECT_TRUE(shows("<p id=\"msg\">Changed</p>\r\n\r\n")) << "one run window, the new page";

  editor->set_field_text("static msg,Third");
  editor->menu_now(MENU_RESTART);
  EXPECT_TRUE(shows("<p id=\"msg\">Third</p>\r\n\r\n")) << "Restart after Run translates the field again";

  EXPECT_EQ(emulation_mode(), 11001u) << "the newest document mode asked for before the first browser";

  std::string folder = run_folder();
  set_modified(false);
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->exit_code(), 0);
  EXPECT_FALSE(TempFolder::exists(folder)) << "Quit leaves no page behind";
}

TEST_F(PageRunE2E, AUsersOwnBrowserModeStands) {
  emulation_mode_set(8000);
  editor->menu_now(MENU_RUN);
  ASSERT_TRUE(shows("\r\n\r\n"));
  EXPECT_EQ(emulation_mode(), 8000u);
}

TEST_F(PageRunE2E, CheckScriptListsTheProblemLinesAndEveryExampleLoadsWithoutOne) {
  const std::string script = "def a,1\r\n@script\r\nstatic msg,Hi\r\n@html\r\nbutton go,Go";
  editor->set_field_text(script);
  EXPECT_EQ(editor->box_of(MENU_CHECK_SCRIPT, "Check Script"),
            "Line 1: DEF gives a script statement, but the line is outside @SCRIPT\r\n"
            "Line 3: STATIC gives a page element, but the line is inside @SCRIPT\r\n"
            "Line 5: BUTTON calls go(), which no line of the script defines");
  EXPECT_EQ(editor->field_text(), script) << "Check Script changes nothing";

  for (int i = 0; i < EXAMPLE_COUNT; ++i) {
    editor->menu_now(MENU_EXAMPLE_FIRST + i);
    EXPECT_EQ(editor->field_text(), EXAMPLES[i].script) << EXAMPLES[i].title;
    EXPECT_FALSE(modified()) << EXAMPLES[i].title;
    EXPECT_EQ(editor->box_of(MENU_CHECK_SCRIPT, "Check Script"), "No problems found.") << EXAMPLES[i].title;
  }
}

TEST_F(PageRunE2E, AnExampleComesAfterTheModifiedCheck) {
  ASSERT_TRUE(editor->type_text("my own text"));
  editor->menu(MENU_EXAMPLE_FIRST + 1);
  EXPECT_EQ(editor->dialogs.answer_box("Alert", IDYES), MODIFIED_QUESTION);
  std::string saved = folder.in("mine.app");
  ASSERT_TRUE(editor->dialogs.answer_requester("Save", saved));
  EXPECT_TRUE(editor->field_becomes(EXAMPLES[1].script));
  EXPECT_EQ(TempFolder::read(saved), "my own text\r\n");
}

// The default browser of the test prefix while a test runs: a command that
// copies the page it is given. The prefix's own association comes back after.
struct CopyingBrowser {
  std::string copy;
  char old_kind[256] = "";
  explicit CopyingBrowser(const std::string& to) : copy(to) {
    LONG size = sizeof old_kind;
    RegQueryValueA(HKEY_CLASSES_ROOT, ".html", old_kind, &size);
    std::string command = "cmd.exe /c copy \"%1\" \"" + to + "\"";
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "TolvaneTestPage", 0);
    RegSetValueA(HKEY_CLASSES_ROOT, "TolvaneTestPage\\shell\\open\\command", REG_SZ, command.c_str(), 0);
  }
  ~CopyingBrowser() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "TolvaneTestPage");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "TolvaneTestPage");
    RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, old_kind, 0);
  }
};

TEST_F(PageRunE2E, OpenInBrowserSaysWhenThereIsNoPageAndOpensTheLastTranslated) {
  EXPECT_EQ(editor->box_of(MENU_OPEN_IN_BROWSER, "Open in Browser"),
            "There is no page to open yet.\r\n\r\nTranslate or run the script first.");
  CopyingBrowser browser(folder.in("opened.html"));
  editor->set_field_text("static msg,Shown");
  editor->menu(MENU_TRANSLATE);
  ASSERT_TRUE(editor->dialogs.answer_requester("Translate", folder.in("page.html")));
  editor->menu_now(MENU_OPEN_IN_BROWSER);
  EXPECT_TRUE(wait_until([&] { return TempFolder::read(browser.copy) == "<p id=\"msg\">Shown</p>\r\n\r\n"; }));
}

} // namespace
