// The run window with the system's own browser control in it: Execute, Run
// (F5), Restart, Kill, the close request and resizing; Check Script, Open in
// Browser and the examples, as a person works them. The browser control
// cannot show pages here: a page is checked through its file and the run
// window titled for it, which says that it cannot show it.
#include "app/examples.h"
#include "tests/e2e/page_window.h"

namespace {

class ScriptRunE2E : public EditorE2E {
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
    return runs(run_page()) && wait_until([&] { return TempFolder::read(run_page()) == page; });
  }
  // Waits until there is one run window titled for path (none when path is empty).
  bool runs(const std::string& path) const {
    return wait_until(
        [&] {
          std::vector<HWND> all = editor->run_windows();
          return path.empty() ? all.empty() : all.size() == 1 && text_of(all[0]) == "Executing " + path;
        },
        5000);
  }
  bool covers_client(HWND w) const {
    RECT client{};
    GetClientRect(editor->window(), &client);
    return rect_text(place_of(w, editor->window())) == rect_text(client);
  }
  bool field_shown(bool shown) const {
    return wait_until([&] { return (IsWindowVisible(editor->field()) != FALSE) == shown; }, 5000);
  }
  std::string page(const std::string& name) const { return folder.write(name, "<p>" + name + "</p>\r\n"); }
  bool execute(const std::string& path) const {
    editor->menu(MENU_EXECUTE);
    return editor->dialogs.answer_requester("Execute", path);
  }
};

TEST_F(ScriptRunE2E, ExecuteCoversTheClientAreaTwiceGivesOneRunWindowAndCancelLeavesNone) {
  std::string first = page("first.html");
  ASSERT_TRUE(execute(first));
  ASSERT_TRUE(runs(first));
  HWND run = editor->run_windows()[0];
  EXPECT_TRUE(covers_client(run));
  EXPECT_TRUE(field_shown(false));

  std::string second = page("second.html");
  ASSERT_TRUE(execute(second));
  ASSERT_TRUE(runs(second)) << "one run window, for the second page";

  ASSERT_TRUE(execute("")); // cancelled
  EXPECT_TRUE(runs(""));
  EXPECT_TRUE(field_shown(true));
}

TEST_F(ScriptRunE2E, KillAndTheCloseRequestBringTheFieldBackWithItsTextAndTheGutter) {
  const std::string source = "static msg,Hello\r\nbutton greet,Say hello";
  editor->set_field_text(source);
  for (bool by_close_request : {false, true}) {
    std::string path = page("page.html");
    ASSERT_TRUE(execute(path));
    ASSERT_TRUE(runs(path));
    if (by_close_request)
      PostMessageA(editor->run_windows()[0], WM_CLOSE, 0, 0);
    else
      editor->menu_now(MENU_KILL);
    EXPECT_TRUE(runs("")) << by_close_request;
    EXPECT_TRUE(field_shown(true)) << by_close_request;
    EXPECT_EQ(editor->field_text(), source) << by_close_request;
    EXPECT_TRUE(wait_until(
        [&] { return Pixels::on_screen(editor->window(), GUTTER).count(EDITOR_TEXT, 0, 0, GUTTER, 20) > 0; }, 5000))
        << "the gutter's first row drawn again, " << by_close_request;
  }
}

TEST_F(ScriptRunE2E, ResizingTheEditorKeepsTheRunWindowOverTheClientArea) {
  std::string path = page("page.html");
  ASSERT_TRUE(execute(path));
  ASSERT_TRUE(runs(path));
  HWND run = editor->run_windows()[0];
  HWND control = GetWindow(run, GW_CHILD);
  SetWindowPos(editor->window(), nullptr, 0, 0, 520, 360, SWP_NOMOVE | SWP_NOZORDER);
  editor->sync();
  EXPECT_TRUE(wait_until([&] { return covers_client(run); }, 5000));
  EXPECT_TRUE(wait_until(
      [&] {
        RECT inner, r;
        GetClientRect(run, &inner);
        GetWindowRect(control, &r);
        return r.right - r.left == inner.right && r.bottom - r.top == inner.bottom;
      },
      5000))
      << "the browser follows the run window";
}

TEST_F(ScriptRunE2E, F5ShowsTheFieldsPageAtOnceAgainInTheSameWindowAndQuitRemovesIt) {
  editor->set_field_text("static msg,Hello");
  editor->set_modified(true);
  ASSERT_TRUE(editor->press_keys({VK_F5}));
  ASSERT_TRUE(shows("<p id=\"msg\">Hello</p>\r\n\r\n"));
  EXPECT_TRUE(editor->dialogs.all().empty()) << "no requester, no box";
  EXPECT_EQ(editor->field_text(), "static msg,Hello");
  EXPECT_TRUE(editor->modified()) << "Run leaves the modified flag alone";

  editor->set_field_text("static msg,Changed");
  ASSERT_TRUE(editor->press_keys({VK_F5}));
  EXPECT_TRUE(shows("<p id=\"msg\">Changed</p>\r\n\r\n")) << "one run window, the new page";

  editor->set_field_text("static msg,Third");
  editor->menu_now(MENU_RESTART);
  EXPECT_TRUE(shows("<p id=\"msg\">Third</p>\r\n\r\n")) << "Restart after Run translates the field again";

  EXPECT_EQ(emulation_mode(), 11001u) << "the newest document mode asked for before the first browser";

  std::string folder = run_folder();
  editor->set_modified(false);
  editor->menu(MENU_QUIT);
  EXPECT_EQ(editor->exit_code(), 0);
  EXPECT_FALSE(TempFolder::exists(folder)) << "Quit leaves no page behind";
}

TEST_F(ScriptRunE2E, AUsersOwnBrowserModeStands) {
  emulation_mode_set(8000);
  editor->menu_now(MENU_RUN);
  ASSERT_TRUE(shows("\r\n\r\n"));
  EXPECT_EQ(emulation_mode(), 8000u);
}

TEST_F(ScriptRunE2E, CheckScriptListsTheProblemLinesAndEveryExampleLoadsWithoutOne) {
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
    EXPECT_FALSE(editor->modified()) << EXAMPLES[i].title;
    EXPECT_EQ(editor->box_of(MENU_CHECK_SCRIPT, "Check Script"), "No problems found.") << EXAMPLES[i].title;
  }
}

TEST_F(ScriptRunE2E, AnExampleComesAfterTheModifiedCheck) {
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

TEST_F(ScriptRunE2E, OpenInBrowserSaysWhenThereIsNoPageAndOpensTheLastTranslated) {
  EXPECT_EQ(editor->box_of(MENU_OPEN_IN_BROWSER, "Open in Browser"),
            "There is no page to open yet.\r\n\r\nTranslate or run the script first.");
  CopyingBrowser browser(folder.in("opened.html"));
  editor->set_field_text("static msg,Shown");
  editor->menu(MENU_TRANSLATE);
  ASSERT_TRUE(editor->dialogs.answer_requester("Translate", folder.in("page.html")));
  editor->menu_now(MENU_OPEN_IN_BROWSER);
  EXPECT_TRUE(wait_until([&] { return TempFolder::read(browser.copy) == "<p id=\"msg\">Shown</p>\r\n\r\n"; }));
}

TEST_F(ScriptRunE2E, WhereTheControlCannotShowPagesTheRunWindowSaysSoAndItsButtonOpensThePage) {
  editor->set_field_text("static msg,Shown");
  editor->menu_now(MENU_RUN);
  ASSERT_TRUE(shows("<p id=\"msg\">Shown</p>\r\n\r\n"));
  HWND run = editor->run_windows()[0];
  EXPECT_TRUE(says(run, {CANNOT_SHOW, USE_BROWSER, "Open in Browser"})) << testing::PrintToString(shown_texts(run));
  editor->set_field_text("static msg,Again");
  editor->menu_now(MENU_RESTART);
  const std::string again = "<p id=\"msg\">Again</p>\r\n\r\n";
  EXPECT_TRUE(shows(again));
  EXPECT_TRUE(says(run, {CANNOT_SHOW, USE_BROWSER, "Open in Browser"})) << "said once, after Restart too";

  CopyingBrowser browser(folder.in("opened.html"));
  PostMessageA(FindWindowExA(run, nullptr, "Button", "Open in Browser"), BM_CLICK, 0, 0);
  EXPECT_TRUE(wait_until([&] { return TempFolder::read(browser.copy) == again; })) << "as Script > Open in Browser";
  editor->menu_now(MENU_KILL);
  EXPECT_TRUE(runs(""));
  EXPECT_TRUE(field_shown(true));
}

} // namespace
