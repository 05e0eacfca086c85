// The editor's window as the user first sees it, and what the program file
// carries: its icon and version.
#include "tests/e2e/editor_process.h"

namespace {

class Window_ : public EditorE2E {};

TEST_F(Window_, OpensCentredAt640By480WithTheFieldRightOfTheGutterInTheEditorsColours) {
  RECT r;
  GetWindowRect(editor->window(), &r);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 480);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2, 1);
  EXPECT_EQ(DialogFinder::text_of(editor->window()), "Tolvane");
  LONG style = GetWindowLongA(editor->window(), GWL_STYLE);
  for (LONG bit : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CAPTION, WS_SYSMENU})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_NE(GetMenu(editor->window()), nullptr);

  ASSERT_NE(editor->field(), nullptr);
  RECT c, f = editor->rect_in_client(editor->field());
  GetClientRect(editor->window(), &c);
  EXPECT_EQ(f.left, 30);
  EXPECT_EQ(f.top, 0);
  EXPECT_EQ(f.right, c.right);
  EXPECT_EQ(f.bottom, c.bottom);
  Pixels p = editor->client_pixels();
  EXPECT_EQ(p.at(15, c.bottom - 3), EDITOR_BACK_COLOR) << "the gutter strip's background";
  EXPECT_EQ(p.at(300, 300), EDITOR_BACK_COLOR) << "the field's background";
  // The first gutter row and the field's text are drawn in the text colour.
  editor->set_field_text("MMMMMMMMMMMMMMMM");
  EXPECT_TRUE(DialogFinder::poll(
      [&] {
        Pixels now = editor->client_pixels();
        return now.count(EDITOR_TEXT_COLOR, 0, 0, 30, 20) > 0 && now.count(EDITOR_TEXT_COLOR, 30, 0, 150, 20) > 10;
      },
      5000));
}

TEST_F(Window_, TheProgramFileCarriesItsIconAndVersion) {
  std::string exe = tolvane_exe_path();
  HMODULE file = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14)), nullptr) << "icon group 101";
  HICON icon = static_cast<HICON>(LoadImageA(file, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr);
  if (icon) DestroyIcon(icon);
  FreeLibrary(file);

  DWORD unused = 0;
  DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &unused);
  ASSERT_GT(size, 0u);
  std::string data(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, &data[0]));
  char* name = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(&data[0], "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&name),
                             &length));
  EXPECT_STREQ(name, "Tolvane");
}

} // namespace
