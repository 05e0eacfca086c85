// The editor's window as the user first sees it, the message boxes a person
// reads, and what the program file carries: its icon, version and manifest.
#include "tests/e2e/editor_process.h"

#include "tolvane_version.h"


namespace {

class Window_ : public EditorE2E {};

TEST_F(Window_, OpensCentredAt640By480InTheEditorsColours) {
  RECT r;
  GetWindowRect(editor->window(), &r);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 480);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2, 1);
  EXPECT_EQ(text_of(editor->window()), "Tolvane");
  LONG style = GetWindowLongA(editor->window(), GWL_STYLE);
  for (LONG bit : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_CAPTION, WS_SYSMENU})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;

  // The field's colours (the gutter's are compared pixel by pixel in its own test).
  // Once painted: an idle editor may not have drawn its field yet.
  EXPECT_TRUE(wait_until([&] { return Pixels::on_screen(editor->window()).at(300, 300) == EDITOR_BACK; }, 5000))
      << std::hex << Pixels::on_screen(editor->window()).at(300, 300);
  editor->set_field_text("MMMMMMMMMMMMMMMM");
  EXPECT_TRUE(
      wait_until([&] { return Pixels::on_screen(editor->window()).count(EDITOR_TEXT, 30, 0, 150, 20) > 10; }, 5000));
}

TEST_F(Window_, TheProgramFileCarriesItsIconVersionAndManifest) {
  std::string exe = tolvane_exe_path();
  HMODULE file = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HICON icon = static_cast<HICON>(LoadImageA(file, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr) << "icon 101";
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
  ASSERT_TRUE(VerQueryValueA(&data[0], "\\StringFileInfo\\040904E4\\ProductVersion", reinterpret_cast<void**>(&name),
                             &length));
  EXPECT_STREQ(name, TOLVANE_VERSION);

  std::string manifest = manifest_of(exe);
  for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_NE(manifest.find(part), std::string::npos) << part << " in\n" << manifest;
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos) << "the system scales the window whole";
}

class Boxes : public EditorE2E {};

TEST_F(Boxes, CountsMemoryHelpAboutAndTheAnswerOfASearch) {
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 1");
  editor->set_field_text(std::string(1232, 'm') + "\r\n\r\n");
  EXPECT_EQ(editor->box_of(MENU_LINE_COUNT, "Alert"), "Line Count: 3");
  EXPECT_EQ(editor->box_of(MENU_MEMORY_INFO, "Memory Info"),
            "Limit: 30000 bytes\r\n\r\nFree: 28764 bytes\r\n\r\nUsed: 1236 bytes");
  struct { int id; const char* title; const char* start; } helps[] = {
      {MENU_IDE_REFERENCE, "IDE Reference", "Select translate from"},
      {MENU_LANGUAGE_REFERENCE, "Language Reference", "Semicolons are not required"},
      {MENU_FILE_HELP, "File Help", "Select new from the file menu the begin"},
      {MENU_EDIT_HELP, "Edit Help", "Select undo from"}, {MENU_VIEW_HELP, "View Help", "Select line count"},
      {MENU_SEARCH_HELP, "Search Help", "Select search from"},
  };
  for (const auto& h : helps) EXPECT_EQ(editor->box_of(h.id, h.title).rfind(h.start, 0), 0u) << h.title;
  std::string about = editor->box_of(MENU_ABOUT, "About");
  EXPECT_EQ(about.rfind("Tolvane\r\n\r\nVersion " TOLVANE_VERSION "\r\n", 0), 0u) << about;
  EXPECT_NE(about.find("2026"), std::string::npos);
  EXPECT_EQ(about.substr(about.rfind("\r\n")), "\r\nhttps://tolvane.example");

  editor->set_field_text("first\r\nsecond\r\nvar x=1;\r\nvar y=2;");
  EXPECT_EQ(editor->search("VAR"), "\"VAR\" found on line 3");
}

} // namespace
