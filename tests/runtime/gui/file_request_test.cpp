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
const uint32_t MULTI = OFN_ALLOWMULTISELECT;

struct Seen {
  RECT rect = {0, 0, 0, 0};
  std::vector<std::string> types; // entries of the file-type list
};

// Finds the dialog titled title, notes what it shows, types name (unless null) and presses button; with confirm,
// answers Yes to the question that follows.
DialogDriver::Script fill_in(const std::string& title, const char* name, int button, Seen* seen = nullptr,
                             bool confirm = false) {
  std::string typed = name ? name : "";
  bool type = name != nullptr;
  return [=](DialogDriver& d) {
    HWND dialog = d.wait_for(title.c_str());
    if (!dialog) return;
    if (seen) {
      GetWindowRect(dialog, &seen->rect);
      HWND list = GetDlgItem(dialog, 0x470);
      for (int i = 0, n = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        std::string text(SendMessageA(list, CB_GETLBTEXTLEN, i, 0) + 1, '\0');
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        seen->types.push_back(text.c_str());
      }
    }
    if (type) type_into(requester_name_field(dialog), typed);
    press(dialog, button);
    if (confirm) {
      HWND box = d.wait_for(nullptr, dialog);
      if (!box) return;
      if (!GetDlgItem(box, IDYES) || !GetDlgItem(box, IDNO)) return d.fail("no Yes/No question");
      press(box, IDYES);
    }
    d.wait_gone(dialog);
  };
}

// Runs a requester while the driver answers it; its result.
std::string answered(DialogDriver::Script script, const std::function<char*()>& request) {
  DialogDriver driver(script);
  char* result = request();
  EXPECT_TRUE(driver.finish()) << driver.failure();
  EXPECT_NE(result, nullptr) << "a String temporary, never null";
  return result ? take(result) : "<null>";
}

// A fresh folder holding a.app and b.app, removed afterwards.
class FileRequest : public GuiTest {
protected:
  TempFolder folder{"tolvane-request"};
  char start_dir[MAX_PATH] = "";
  void SetUp() override {
    GuiTest::SetUp();
    GetCurrentDirectoryA(sizeof start_dir, start_dir);
    ASSERT_TRUE(folder.ok());
    for (const char* name : {"a.app", "b.app"}) folder.write(name, "");
  }
  void TearDown() override {
    SetCurrentDirectoryA(start_dir); // the dialog made the chosen folder the current one
    GuiTest::TearDown();
  }
  const char* dir() const { return folder.path().c_str(); }
};
} // namespace

TEST_F(FileRequest, GivesTheChosenPathsOrAnEmptyTextWhenCancelled) {
  struct Case {
    const char* title;
    int open;
    uint32_t flags;
    const char* typed;
    int button;
    std::vector<const char*> chosen; // expected files, in order; each followed by "|" when multiple
    bool confirm = false;            // a file of that name exists: the dialog asks before replacing it
  } cases[] = {
      {"Open", 1, 0, "a.app", IDOK, {"a.app"}}, {"MultipleOne", 1, MULTI, "a.app", IDOK, {"a.app"}},
      {"MultipleTwo", 1, MULTI, "\"a.app\" \"b.app\"", IDOK, {"a.app", "b.app"}},
      {"SaveWithDefaultExtension", 0, 0, "new", IDOK, {"new.app"}},
      {"SaveOverAnExistingFile", 0, 0, "a.app", IDOK, {"a.app"}, true},
      {"MultipleCancelled", 1, MULTI, "a.app", IDCANCEL, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    std::string expected;
    for (const char* f : c.chosen) expected += folder.in(f) + (c.flags & MULTI ? "|" : "");
    EXPECT_EQ(answered(fill_in(c.title, c.typed, c.button, nullptr, c.confirm),
                       [&] { return file_request(c.title, nullptr, c.open, APP_FILTER, "app", c.flags, dir()); }),
              expected);
  }
}

// The dialog is centred on the work area, or on its owner; the filter text becomes its list of types.
TEST_F(FileRequest, CentredWithTheFilterAsItsListOfFileTypes) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Window& owner = open(150, 100, 700, 600, 0x10);
  struct Case { const char* filter; Window* owner; std::vector<std::string> types; } cases[] = {
      {APP_FILTER, nullptr, {"App files", "All Files"}}, {nullptr, &owner, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter ? c.filter : "no filter");
    Seen seen;
    answered(fill_in("Types", nullptr, IDCANCEL, &seen),
             [&] { return file_request("Types", c.owner, 1, c.filter, nullptr, 0, dir()); });
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
  EXPECT_EQ(answered(fill_in("Long", "a.app", IDOK, &seen),
                     [&] { return file_request("Long", nullptr, 1, filter.c_str(), nullptr, 0, dir()); }),
            folder.in("a.app"));
  ASSERT_FALSE(seen.types.empty());
  EXPECT_EQ(seen.types[0], "App files");
  for (const std::string& t : seen.types) EXPECT_LE(t.size(), 254u - 16u);
}
