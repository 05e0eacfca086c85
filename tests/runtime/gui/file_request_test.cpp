// Real open and save dialogs over real files, answered by a driver thread as a person would.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/event_log.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_text.h"

namespace {
const char* const APP_FILTER = "App files|*.app|All Files|*.*||";

struct Seen {
  RECT rect = {0, 0, 0, 0};
  std::vector<std::string> types; // entries of the file-type list
};

// Runs a requester while a driver finds it, notes what it shows, types name (unless empty) and presses button;
// the requester's result.
std::string answered(const char* title, const std::string& name, int button, Seen* seen,
                     const std::function<char*()>& request) {
  auto answer = [&](DialogDriver& d) {
    HWND dialog = d.wait_for(title);
    if (!dialog) return;
    GetWindowRect(dialog, &seen->rect);
    HWND list = GetDlgItem(dialog, 0x470);
    for (int i = 0, n = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
      std::string text(SendMessageA(list, CB_GETLBTEXTLEN, i, 0) + 1, '\0');
      SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
      seen->types.push_back(text.c_str());
    }
    if (!name.empty()) type_into(requester_name_field(dialog), name);
    press(dialog, button);
    d.wait_gone(dialog);
  };
  char* result = nullptr;
  EXPECT_EQ(run_answering([&] { result = request(); }, answer), "");
  EXPECT_NE(result, nullptr) << "a String temporary, never null";
  return result ? take(result) : "<null>";
}

// A fresh folder holding a.app, removed afterwards.
class FileRequest : public GuiTest {
protected:
  TempFolder folder{"tolvane-request"};
  char start_dir[MAX_PATH] = "";
  void SetUp() override {
    GuiTest::SetUp();
    GetCurrentDirectoryA(sizeof start_dir, start_dir);
    ASSERT_TRUE(folder.ok());
    folder.write("a.app", "");
  }
  void TearDown() override {
    SetCurrentDirectoryA(start_dir); // the dialog made the chosen folder the current one
    GuiTest::TearDown();
  }
  const char* dir() const { return folder.path().c_str(); }
};
} // namespace

// The dialog is centred on the work area, or on its owner; the filter text becomes its list of types. Cancel
// gives an empty text, OK the chosen path.
TEST_F(FileRequest, CentredWithTheFilterAsItsListOfFileTypes) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Window& owner = open(150, 100, 700, 600, 0x10);
  struct Case { const char* filter; Window* owner; std::vector<std::string> types; } cases[] = {
      {APP_FILTER, nullptr, {"App files", "All Files"}}, {nullptr, &owner, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter ? c.filter : "no filter");
    Seen seen;
    EXPECT_EQ(answered("Types", "", IDCANCEL, &seen,
                       [&] { return file_request("Types", c.owner, 1, c.filter, nullptr, 0, dir()); }), "");
    EXPECT_EQ(seen.types, c.types);
    RECT ref = work;
    if (c.owner) GetWindowRect(owner.handle, &ref);
    // Both halves are rounded down: the doubled centres may differ by 2.
    EXPECT_LE(std::abs((seen.rect.left + seen.rect.right) - (ref.left + ref.right)), 2);
    EXPECT_LE(std::abs((seen.rect.top + seen.rect.bottom) - (ref.top + ref.bottom)), 2);
  }

  // 1000 bytes of description: the copy stops at 254 characters, the first pair stays, nothing runs over.
  std::string filter = "App files|*.app|" + std::string(1000, 'Z') + "|*.z||";
  Seen seen;
  EXPECT_EQ(answered("Long", "a.app", IDOK, &seen,
                     [&] { return file_request("Long", nullptr, 1, filter.c_str(), nullptr, 0, dir()); }),
            folder.in("a.app"));
  ASSERT_FALSE(seen.types.empty());
  EXPECT_EQ(seen.types[0], "App files");
  for (const std::string& t : seen.types) EXPECT_LE(t.size(), 254u - 16u);
}
