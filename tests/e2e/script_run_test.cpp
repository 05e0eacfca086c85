// The run window of the running editor with the system's own browser
// control in it: Execute, Kill, the close request and resizing, seen from
// outside as a person sees them.
#include "tests/e2e/editor_process.h"

#include "tests/app/gutter_reference.h"
#include "tests/support/pixels.h"

namespace {

constexpr int kExecute = 17;
constexpr int kKill = 19;

class ScriptRunE2E : public EditorE2E {
protected:
  // The runtime windows inside the editor window: the run window.
  std::vector<HWND> run_windows() const {
    std::vector<HWND> out;
    for (HWND c = GetWindow(editor->window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[64] = "";
      GetClassNameA(c, cls, sizeof cls);
      if (lstrcmpA(cls, "CorvatineWndClass") == 0) out.push_back(c);
    }
    return out;
  }
  bool one_run_window() const {
    return DialogFinder::poll([&] { return run_windows().size() == 1; }, 5000);
  }
  bool no_run_window() const {
    return DialogFinder::poll([&] { return run_windows().empty(); }, 5000);
  }
  bool covers_client(HWND w) const {
    RECT c, r;
    GetClientRect(editor->window(), &c);
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, editor->window(), reinterpret_cast<POINT*>(&r), 2);
    return r.left == c.left && r.top == c.top && r.right == c.right && r.bottom == c.bottom;
  }
  bool field_shown() const { return IsWindowVisible(editor->field()) != FALSE; }
  std::string page(const std::string& name) const { return folder.write(name, "<p>" + name + "</p>\r\n"); }
  bool execute(const std::string& path) const {
    editor->menu(kExecute);
    return editor->answer_requester("Execute", path);
  }
  // The gutter's first row shows in the text colour again.
  bool gutter_drawn() const {
    return DialogFinder::poll(
        [&] {
          POINT origin = {0, 0};
          ClientToScreen(editor->window(), &origin);
          HDC screen = GetDC(nullptr);
          Pixels p(screen, origin.x, origin.y, GUTTER_WIDTH, 20);
          ReleaseDC(nullptr, screen);
          return p.count(EDITOR_TEXT_COLOR, 0, 0, GUTTER_WIDTH, 20) > 0;
        },
        5000);
  }
};

TEST_F(ScriptRunE2E, ExecuteOpensTheRunWindowOverTheClientAreaAndHidesTheField) {
  std::string path = page("first.html");
  ASSERT_TRUE(execute(path));
  ASSERT_TRUE(one_run_window());
  HWND run = run_windows()[0];
  EXPECT_TRUE(covers_client(run));
  EXPECT_EQ(DialogFinder::text_of(run), "Executing " + path);
  EXPECT_TRUE(DialogFinder::poll([&] { return !field_shown(); }, 5000));
  EXPECT_NE(GetWindow(run, GW_CHILD), nullptr) << "the browser control's window";
  EXPECT_TRUE(editor->dialogs().dialogs().empty()) << "no message from the editor";
}

TEST_F(ScriptRunE2E, ExecuteTwiceGivesOneRunWindow) {
  ASSERT_TRUE(execute(page("first.html")));
  ASSERT_TRUE(one_run_window());
  std::string second = page("second.html");
  ASSERT_TRUE(execute(second));
  ASSERT_TRUE(DialogFinder::poll(
      [&] { return run_windows().size() == 1 && DialogFinder::text_of(run_windows()[0]) == "Executing " + second; },
      5000));
  editor->sync();
  EXPECT_EQ(run_windows().size(), 1u);
}

TEST_F(ScriptRunE2E, ExecuteThenCancelLeavesNone) {
  ASSERT_TRUE(execute(page("first.html")));
  ASSERT_TRUE(one_run_window());
  ASSERT_TRUE(execute("")); // cancelled
  EXPECT_TRUE(no_run_window());
  EXPECT_TRUE(DialogFinder::poll([&] { return field_shown(); }, 5000));
}

TEST_F(ScriptRunE2E, KillAndTheCloseRequestBringTheFieldBackWithItsTextAndTheGutter) {
  const std::string source = "static msg,Hello\r\nbutton greet,Say hello";
  editor->set_field_text(source);
  for (bool by_close_request : {false, true}) {
    ASSERT_TRUE(execute(page("page.html")));
    ASSERT_TRUE(one_run_window());
    if (by_close_request)
      PostMessageA(run_windows()[0], WM_CLOSE, 0, 0);
    else
      editor->menu_now(kKill);
    EXPECT_TRUE(no_run_window()) << by_close_request;
    EXPECT_TRUE(DialogFinder::poll([&] { return field_shown(); }, 5000)) << by_close_request;
    EXPECT_EQ(editor->field_text(), source) << by_close_request;
    EXPECT_TRUE(gutter_drawn()) << by_close_request;
  }
}

TEST_F(ScriptRunE2E, ResizingTheEditorKeepsTheRunWindowOverTheClientArea) {
  ASSERT_TRUE(execute(page("page.html")));
  ASSERT_TRUE(one_run_window());
  HWND run = run_windows()[0];
  for (SIZE s : {SIZE{520, 360}, SIZE{760, 560}}) {
    SetWindowPos(editor->window(), nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER);
    editor->sync();
    EXPECT_TRUE(DialogFinder::poll([&] { return covers_client(run); }, 5000)) << s.cx;
    RECT inner;
    GetClientRect(run, &inner);
    HWND control = GetWindow(run, GW_CHILD);
    EXPECT_TRUE(DialogFinder::poll(
        [&] {
          RECT r;
          GetWindowRect(control, &r);
          return r.right - r.left == inner.right && r.bottom - r.top == inner.bottom;
        },
        5000))
        << "the browser follows the run window, " << s.cx;
  }
}

} // namespace
