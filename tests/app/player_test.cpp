// Player mode inside the test process: the title rule of line 1, and the
// two ways player_start hands over to the editor (no app.dat; an app.dat
// that no browser can show).
#include <gtest/gtest.h>

#include <fstream>

#include "app/app.h"
#include "app/app_state.h"
#include "runtime/browser/browser_internal.h"
#include "tests/runtime/browser/standin.h"
#include "tests/support/temp_text.h"

namespace {

class PlayerTitle : public HeapTest {};

TEST_F(PlayerTitle, IsLineOneWithoutItsOpeningAndClosing) {
  struct {
    const char* line;
    const char* title;
  } cases[] = {
      {"<!-- My Page -->", "My Page"}, {"<!--My Page-->", "My Page"}, {"<!--\t Spaced \t-->", "Spaced"},
      {"<!-- a -->  ", "a --"},   // the last 3 characters go, blanks or not
      {"abcdHello xyz", "Hello"}, // the 4 and 3 characters go whatever they are
      {"1234567", ""},            // 7 characters or fewer: empty
      {"<!---->", ""}, {"12", ""}, {"", ""}, {"<html>", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(take(player_title(c.line)), c.title) << c.line;
  EXPECT_EQ(take(player_title(nullptr)), "");
}

class PlayerStart : public HeapTest {
protected:
  std::string app_dat;
  void SetUp() override {
    HeapTest::SetUp();
    app_dat = take(start_dir()) + "app.dat";
    DeleteFileA(app_dat.c_str());
  }
  void TearDown() override {
    DeleteFileA(app_dat.c_str());
    if (search_dialog.handle) dlg_close(&search_dialog, 0);
    win_close(&editor_window);
    dlg_list_free();
    editor_window = {};
    search_dialog = {};
    file_name = file_line = nullptr;
    HeapTest::TearDown();
  }
};

TEST_F(PlayerStart, ReturnsWithoutAppDatOrWhenNoBrowserCanShowIt) {
  player_start();
  EXPECT_EQ(editor_window.handle, nullptr);
  EXPECT_EQ(file_name, nullptr);

  std::ofstream(app_dat, std::ios::binary) << "<!-- Unplayable -->\r\n<p>x</p>\r\n";
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  standin::install();
  standin::script().creation_result = E_FAIL;
  player_start(); // returns instead of leaving an empty window
  EXPECT_EQ(editor_window.handle, nullptr);
  EXPECT_EQ(file_name, nullptr);
  EXPECT_EQ(file_line, nullptr);
  EXPECT_EQ(browser_live_site_objects(), 0);
  standin::revoke();
  OleUninitialize();
  ASSERT_TRUE(editor_build()) << "the editor starts in the same record";
  EXPECT_NE(GetDlgItem(editor_window.handle, 1), nullptr);
}

} // namespace
