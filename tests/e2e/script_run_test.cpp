// The run window with the system's own browser control in it: Execute, Kill,
// the close request and resizing, as a person sees them.
#include "tests/e2e/editor_process.h"

namespace {

class ScriptRunE2E : public EditorE2E {
protected:
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

} // namespace
