// The installer as a user runs it, silently: it installs into a chosen
// folder for this user alone, the installed program opens a script named on
// its command line and one the shell opens through the association, and the
// uninstaller takes all of it away again. It installs the program of this
// build's kind (32-bit in the i686 build's prefix, 64-bit in the x86_64's).
#include "tests/e2e/editor_process.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/examples.h"
#include "tests/support/run_program.h"

namespace {

constexpr const char* UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tolvane";
constexpr const char* OPEN_COMMAND_KEY = "Software\\Classes\\Tolvane.Script\\shell\\open\\command";

// A text value under HKEY_CURRENT_USER; empty when there is none.
std::string user_value(const char* key, const char* name) {
  char data[1024] = "";
  DWORD size = sizeof data;
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return "";
  return data;
}

bool user_key_exists(const char* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// Windows shows the user's own classes (HKEY_CURRENT_USER\Software\Classes)
// through HKEY_CLASSES_ROOT, where the shell looks up what opens a file;
// Wine 8 does not. Where the shell cannot see these classes of the user's,
// they are shown there for as long as this lives, as Windows shows them.
class UserClassesShown {
public:
  explicit UserClassesShown(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      HKEY key = nullptr;
      if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        continue;
      }
      HKEY own = nullptr;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\Classes\\" + std::string(name)).c_str(), 0, KEY_READ, &own) !=
          ERROR_SUCCESS)
        continue;
      if (RegCreateKeyExA(HKEY_CLASSES_ROOT, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
          ERROR_SUCCESS) {
        shown_.push_back(name);
        RegCopyTreeA(own, nullptr, key);
        RegCloseKey(key);
      }
      RegCloseKey(own);
    }
  }
  ~UserClassesShown() {
    for (const std::string& name : shown_) RegDeleteTreeA(HKEY_CLASSES_ROOT, name.c_str());
  }
  UserClassesShown(const UserClassesShown&) = delete;
  UserClassesShown& operator=(const UserClassesShown&) = delete;

private:
  std::vector<std::string> shown_;
};

std::string start_menu_shortcut() {
  char programs[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  return std::string(programs) + "\\Tolvane.lnk";
}

TEST(Installer, InstallsForTheUserOpensScriptsAndUninstallsWithoutATrace) {
  TempFolder folder{"tolvane-install"};
  ASSERT_TRUE(folder.ok());
  std::string setup = windows_path(TOLVANE_SETUP);
  EXPECT_NE(manifest_of(setup).find("level=\"asInvoker\""), std::string::npos) << "no administrator rights asked";

  std::string home = folder.in("My Programs\\Tolvane");
  ASSERT_EQ(run_program("\"" + setup + "\" /S /D=" + home), 0);
  std::string exe = home + "\\tolvane.exe";
  for (const char* name : {"tolvane.exe", "README.txt", "LICENSE", "uninstall.exe"})
    EXPECT_TRUE(TempFolder::exists(home + "\\" + name)) << name;
  // The program for this Windows, 32-bit in a 32-bit prefix: the i686 build's
  // installer is the release's, which holds both.
  EXPECT_TRUE(TempFolder::read(exe) == TempFolder::read(tolvane_exe_path())) << "not this build's " << TOLVANE_EXE;
  for (int32_t i = 0; i < EXAMPLE_COUNT; ++i)
    EXPECT_EQ(TempFolder::read(home + "\\examples\\" + EXAMPLES[i].title + ".app"), std::string(EXAMPLES[i].script) + "\r\n")
        << "as Save writes Help > Examples' " << EXAMPLES[i].title;
  EXPECT_TRUE(TempFolder::exists(start_menu_shortcut()));
  EXPECT_EQ(user_value("Software\\Classes\\.app", ""), "Tolvane.Script");
  EXPECT_EQ(user_value(OPEN_COMMAND_KEY, ""), "\"" + exe + "\" \"%1\"");
  EXPECT_EQ(user_value(UNINSTALL_KEY, "UninstallString"), "\"" + home + "\\uninstall.exe\"");

  {
    std::string example = home + "\\examples\\" + EXAMPLES[1].title + ".app"; // a name with a blank
    EditorProcess editor(folder.path(), exe, "\"" + example + "\"");
    ASSERT_NE(editor.window(), nullptr);
    EXPECT_TRUE(editor.field_becomes(EXAMPLES[1].script)) << editor.field_text();
  }
  {
    // A double click in Explorer is the shell's "open" on the file.
    UserClassesShown shown{".app", "Tolvane.Script"};
    std::string script = folder.write("double clicked.app", "opened by\r\nthe shell\r\n");
    SHELLEXECUTEINFOA shell = {};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    shell.lpVerb = "open";
    shell.lpFile = script.c_str();
    shell.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&shell));
    ASSERT_NE(shell.hProcess, nullptr);
    EditorProcess editor(shell.hProcess);
    ASSERT_NE(editor.window(), nullptr);
    EXPECT_TRUE(editor.field_becomes("opened by\r\nthe shell")) << editor.field_text();
  }

  // The uninstaller goes on from a copy of itself: its work is done when
  // its last step, the entry in the list of programs, is gone.
  ASSERT_EQ(run_program("\"" + home + "\\uninstall.exe\" /S"), 0);
  EXPECT_TRUE(wait_until([] { return !user_key_exists(UNINSTALL_KEY); }, 30000));
  EXPECT_FALSE(TempFolder::exists(home)) << "the folder and all in it";
  EXPECT_FALSE(TempFolder::exists(start_menu_shortcut()));
  for (const char* key : {"Software\\Classes\\.app", "Software\\Classes\\Tolvane.Script"})
    EXPECT_FALSE(user_key_exists(key)) << key;
}

} // namespace
