// Player mode inside the test process: the title rule of line 1, and an
// app.dat that no browser can show handing over to the editor.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app/app.h"
#include "app/app_state.h"
#include "runtime/browser/browser_internal.h"
#include "tests/runtime/browser/standin.h"
#include "tests/support/temp_text.h"

namespace {

using PlayerTitle = HeapTest;

TEST_F(PlayerTitle, IsLineOneWithoutItsFirstFourAndLastThreeCharactersTrimmed) {
  struct { const char* line; const char* title; } cases[] = {
      {"<!--\t Spaced \t-->", "Spaced"}, {"<!-- a -->  ", "a --"}, {"abcdHello xyz", "Hello"},
      {"1234567", ""}, {"12", ""},
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
  }
  void TearDown() override {
    DeleteFileA(app_dat.c_str());
    win_close(&editor_window);
    dlg_list_free();
    editor_window = {};
    search_dialog = {};
    file_name = file_line = nullptr;
    HeapTest::TearDown();
  }
};

// Should player_start keep its window instead of returning, the test fails
// here rather than wait on that window for ever.
void CALLBACK player_kept_its_window(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "player_start kept a window that no browser is in";
  std::fflush(stdout);
  ExitProcess(1);
}

TEST_F(PlayerStart, ReturnsToTheEditorWhenNoBrowserCanShowAppDat) {
  std::ofstream(app_dat, std::ios::binary) << "<!-- Unplayable -->\r\n<p>x</p>\r\n";
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  standin::install();
  standin::script().creation_result = E_FAIL;
  UINT_PTR guard = SetTimer(nullptr, 0, 5000, player_kept_its_window);
  player_start(); // returns instead of leaving an empty window
  KillTimer(nullptr, guard);
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
