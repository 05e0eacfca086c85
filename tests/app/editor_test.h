// The editor built in the test process, a fresh folder for files, and the
// steps by which a person answers the editor's requesters and boxes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "app/app.h"
#include "app/app_state.h"
#include "app/menu_ids.h"
#include "runtime/controls/controls.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/temp_folder.h"

// The editor as a person sees it: a gutter 30 pixels wide, light cyan text on dark blue.
constexpr int GUTTER = 30;
constexpr COLORREF EDITOR_BACK = RGB(34, 85, 136), EDITOR_TEXT = RGB(200, 255, 255);

class EditorTest : public ::testing::Test {
protected:
  TempFolder folder{"tolvane-editor"};

  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    // File requesters make the chosen folder the current one.
    ASSERT_NE(GetCurrentDirectoryA(sizeof start_dir_, start_dir_), 0u);
    ASSERT_EQ(heap_start(), 1);
    ASSERT_TRUE(editor_build());
  }
  void TearDown() override {
    SetCurrentDirectoryA(start_dir_);
    if (search_dialog.handle) dlg_close(&search_dialog, 0);
    win_close(&editor_window);
    dlg_list_free();
    file_name = file_line = document_text = nullptr; // the heap takes every text with it
    temp_release(temp_count());
    heap_stop();
    editor_window = {};
    search_dialog = {};
    script_running = 0;
  }

  static void menu(int id) { SendMessageA(editor_window.handle, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  static HWND field() { return GetDlgItem(editor_window.handle, EDIT_FIELD_ID); }
  static void set_text(const std::string& text) { SetWindowTextA(field(), text.c_str()); }
  static std::string text() {
    std::string s(static_cast<size_t>(GetWindowTextLengthA(field())) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(field(), &s[0], static_cast<int>(s.size()))));
    return s;
  }
  // Text as a person types it: replaces the selection, marks the field modified.
  static void type(const std::string& text) {
    SendMessageA(field(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static bool modified() { return SendMessageA(field(), EM_GETMODIFY, 0, 0) != 0; }
  static int limit() { return static_cast<int>(SendMessageA(field(), EM_GETLIMITTEXT, 0, 0)); }
  static std::pair<DWORD, DWORD> selection() {
    DWORD start = 0, end = 0;
    SendMessageA(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  static int first_visible() { return static_cast<int>(SendMessageA(field(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  static void scroll_to(int top) {
    SendMessageA(field(), EM_LINESCROLL, 0, top - first_visible());
    ASSERT_EQ(first_visible(), top);
  }

  // Runs the editor's own message loop until cond holds; false on timeout.
  static bool pump_until(const std::function<bool()>& cond) {
    return wait_until([&] { return msg_wait(1), cond(); });
  }

  // One menu pick while a driver answers what it opens (nothing may open without a script); a dialog
  // left open fails the test instead of hanging it.
  static void pick(int id, const DialogDriver::Script& script) {
    EXPECT_EQ(run_answering([id] { menu(id); }, script), "") << "menu " << id;
  }
  // A pick whose requester gets name, then the boxes of the same title get
  // buttons in turn; the last box's text.
  std::string pick_file(int id, const char* title, const std::string& name, std::initializer_list<int> buttons = {}) {
    std::string seen;
    pick(id, [&](DialogDriver& d) {
      if (d.answer_requester(title, name))
        for (int b : buttons) seen = d.answer_box(title, b);
    });
    return seen;
  }

private:
  char start_dir_[MAX_PATH] = "";
};
