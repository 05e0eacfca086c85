// Real open and save dialogs over real files, answered by a driver thread as a person would.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/gui/gui.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/temp_text.h"

namespace {
const char* const APP_FILTER = "App files|*.app|All Files|*.*||";

// The file-name field: a combo box in explorer-style dialogs, an edit field in older templates.
HWND name_field(HWND dialog) {
  HWND field = GetDlgItem(dialog, 0x47C);
  return field ? field : GetDlgItem(dialog, 0x480);
}

struct Seen {
  RECT rect = {0, 0, 0, 0};
  std::vector<std::string> types; // entries of the file-type list
};

// Finds the dialog titled title, notes what it shows, types name (unless null) and presses button.
DialogDriver::Script fill_in(const std::string& title, const char* name, int button, Seen* seen = nullptr) {
  std::string typed = name ? name : "";
  bool type = name != nullptr;
  return [=](DialogDriver& d) {
    HWND dialog = d.wait_for(title);
    if (!dialog) return;
    if (seen) {
      GetWindowRect(dialog, &seen->rect);
      HWND list = GetDlgItem(dialog, 0x470);
      for (int i = 0, n = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        char text[512] = "";
        if (SendMessageA(list, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
          SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        seen->types.push_back(text);
      }
    }
    if (type) DialogDriver::type_into(name_field(dialog), typed);
    DialogDriver::press(dialog, button);
    d.wait_gone(dialog);
  };
}

// A fresh folder holding a.app and b.app; what the test makes is removed afterwards.
class FileRequest : public HeapTest {
protected:
  void SetUp() override {
    HeapTest::SetUp();
    // The dialog makes the chosen folder the current one: it is given back before the folders go.
    GetCurrentDirectoryA(sizeof start_dir_, start_dir_);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string stem = std::string(temp) + "tolvane-request-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int serial = 1; serial < 1000 && dir_.empty(); ++serial)
      if (CreateDirectoryA((stem + std::to_string(serial)).c_str(), nullptr)) dir_ = stem + std::to_string(serial);
    ASSERT_FALSE(dir_.empty()) << "no fresh folder in " << temp;
    dirs_.push_back(dir_);
    for (const char* name : {"a.app", "b.app"}) make_file(in_dir(name));
  }
  void TearDown() override {
    SetCurrentDirectoryA(start_dir_);
    for (const std::string& f : files_) DeleteFileA(f.c_str());
    for (auto d = dirs_.rbegin(); d != dirs_.rend(); ++d) EXPECT_TRUE(RemoveDirectoryA(d->c_str())) << *d;
    HeapTest::TearDown();
  }
  void make_dir(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    dirs_.push_back(path);
  }
  void make_file(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE) << path;
    CloseHandle(f);
    files_.push_back(path);
  }
  std::string in_dir(const char* name) const { return dir_ + "\\" + name; }

  char start_dir_[MAX_PATH] = "";
  std::string dir_;
  std::vector<std::string> files_, dirs_;
};
} // namespace

TEST_F(FileRequest, GivesTheChosenPathsOrAnEmptyTextWhenCancelled) {
  const uint32_t MULTI = OFN_ALLOWMULTISELECT;
  struct Case {
    const char* title;
    int open;
    uint32_t flags;
    const char* typed;
    int button;
    std::vector<const char*> chosen; // expected files, in order; each followed by "|" when multiple
  } cases[] = {
      {"OpenOne", 1, 0, "a.app", IDOK, {"a.app"}}, {"MultipleOne", 1, MULTI, "a.app", IDOK, {"a.app"}},
      {"MultipleTwo", 1, MULTI, "\"a.app\" \"b.app\"", IDOK, {"a.app", "b.app"}},
      {"SaveNew", 0, 0, "new.app", IDOK, {"new.app"}}, {"SaveWithDefaultExtension", 0, 0, "new", IDOK, {"new.app"}},
      {"OpenCancelled", 1, 0, "a.app", IDCANCEL, {}}, {"SaveCancelled", 0, 0, "a.app", IDCANCEL, {}},
      {"MultipleCancelled", 1, MULTI, "a.app", IDCANCEL, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    DialogDriver driver(fill_in(c.title, c.typed, c.button));
    char* result = file_request(c.title, nullptr, c.open, APP_FILTER, "app", c.flags, dir_.c_str());
    ASSERT_TRUE(driver.finish()) << driver.failure();
    ASSERT_NE(result, nullptr);
    std::string expected;
    for (const char* f : c.chosen) expected += in_dir(f) + (c.flags & MULTI ? "|" : "");
    EXPECT_EQ(take(result), expected);
  }
}

// Saving over a.app: the dialog asks first, with Yes and No; Yes takes the name.
TEST_F(FileRequest, SaveAsksBeforeOverwriting) {
  std::string prompt;
  std::vector<int> buttons;
  DialogDriver driver([&](DialogDriver& d) {
    HWND dialog = d.wait_for("Save");
    if (!dialog) return;
    DialogDriver::type_into(name_field(dialog), "a.app");
    DialogDriver::press(dialog, IDOK);
    HWND box = d.wait_for_other(dialog);
    if (!box) return;
    for (HWND s : DialogDriver::visible_children(box, "Static")) prompt += DialogDriver::text_of(s);
    for (HWND b : DialogDriver::visible_children(box, "Button")) buttons.push_back(GetDlgCtrlID(b));
    DialogDriver::press(box, IDYES);
    d.wait_gone(box);
    d.wait_gone(dialog);
  });
  std::string result = take(file_request("Save", nullptr, 0, APP_FILTER, nullptr, 0, dir_.c_str()));
  ASSERT_TRUE(driver.finish()) << driver.failure();
  EXPECT_FALSE(prompt.empty());
  EXPECT_EQ(buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(result, in_dir("a.app"));
}

// The dialog is centred on the work area, or on its owner; the filter text becomes its list of types.
TEST_F(FileRequest, CentredWithTheFilterAsItsListOfFileTypes) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Window owner{};
  owner.handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 150, 100, 700, 600,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  struct Case {
    const char* filter;
    Window* owner;
    std::vector<std::string> types;
  } cases[] = {
      {APP_FILTER, nullptr, {"App files", "All Files"}},
      {"Html files|*.html|All Files|*.*||", &owner, {"Html files", "All Files"}}, {nullptr, nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter ? c.filter : "no filter");
    Seen seen;
    DialogDriver driver(fill_in("Types", nullptr, IDCANCEL, &seen));
    take(file_request("Types", c.owner, 1, c.filter, nullptr, 0, dir_.c_str()));
    ASSERT_TRUE(driver.finish()) << driver.failure();
    EXPECT_EQ(seen.types, c.types);
    RECT ref = work;
    if (c.owner) GetWindowRect(owner.handle, &ref);
    // Both halves are rounded down: the doubled centres may differ by 2.
    EXPECT_LE(std::abs((seen.rect.left + seen.rect.right) - (ref.left + ref.right)), 2);
    EXPECT_LE(std::abs((seen.rect.top + seen.rect.bottom) - (ref.top + ref.bottom)), 2);
  }
  DestroyWindow(owner.handle);

  // 1000 bytes of description: the copy stops at 254 characters, the first pair stays, nothing runs over.
  std::string filter = "App files|*.app|" + std::string(1000, 'Z') + "|*.z||";
  Seen seen;
  DialogDriver driver(fill_in("Long", "a.app", IDOK, &seen));
  std::string result = take(file_request("Long", nullptr, 1, filter.c_str(), nullptr, 0, dir_.c_str()));
  ASSERT_TRUE(driver.finish()) << driver.failure();
  EXPECT_EQ(result, in_dir("a.app"));
  ASSERT_FALSE(seen.types.empty());
  EXPECT_EQ(seen.types[0], "App files");
  for (const std::string& t : seen.types) EXPECT_LE(t.size(), 254u - 16u);
}

// Each chosen name is joined with its folder, so the result can be far longer than the dialog's own buffer.
TEST_F(FileRequest, MultipleChoiceLongerThanTheDialogBufferIsWhole) {
  ASSERT_LT(dir_.size(), 150u) << "the temporary folder leaves no room for a deep one";
  std::string deep = dir_ + "\\" + std::string(180 - dir_.size(), 'd');
  ASSERT_NO_FATAL_FAILURE(make_dir(deep));
  std::string typed, expected;
  for (int i = 0; i < 160; ++i) {
    char name[16];
    wsprintfA(name, "f%03d.app", i);
    ASSERT_NO_FATAL_FAILURE(make_file(deep + "\\" + name));
    typed += std::string("\"") + name + "\" ";
    expected += deep + "\\" + name + "|";
  }
  ASSERT_GT(expected.size(), 30000u);
  DialogDriver driver(fill_in("Many", typed.c_str(), IDOK));
  std::string result =
      take(file_request("Many", nullptr, 1, APP_FILTER, nullptr, OFN_ALLOWMULTISELECT, deep.c_str()));
  ASSERT_TRUE(driver.finish()) << driver.failure();
  EXPECT_EQ(result.size(), expected.size());
  EXPECT_EQ(result, expected);
}

// In the root of a drive the folder already ends in "\".
TEST_F(FileRequest, MultipleChoiceInTheRootOfADrive) {
  std::string stem = "C:\\tolvane-root-" + std::to_string(GetCurrentProcessId());
  std::string a = stem + "-a.app", b = stem + "-b.app";
  for (const std::string& path : {a, b}) ASSERT_NO_FATAL_FAILURE(make_file(path));
  std::string typed = "\"" + a.substr(3) + "\" \"" + b.substr(3) + "\"";
  DialogDriver driver(fill_in("Root", typed.c_str(), IDOK));
  std::string result = take(file_request("Root", nullptr, 1, APP_FILTER, nullptr, OFN_ALLOWMULTISELECT, "C:\\"));
  ASSERT_TRUE(driver.finish()) << driver.failure();
  EXPECT_EQ(result, a + "|" + b + "|");
}
