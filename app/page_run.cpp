// The page of Run and Open in Browser: the field's page in a folder of the process's
// own temporary files, shown in the run window at once or handed to the
// system's default web browser.
#include <windows.h>

#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/file_choice.h"
#include "runtime/core/core.h"

namespace {
const char* const PAGE_NAME = "page.html";
const char* const NO_PAGE_YET = "There is no page to open yet.\r\n\r\nTranslate or run the script first.";
const char* const BROWSER_FAILED = "The page could not be opened in a web browser.";

std::string last_page; // the page last translated, run or executed

std::string run_folder() {
  char temp[MAX_PATH + 1] = {};
  DWORD got = GetTempPathA(sizeof temp, temp);
  if (got == 0 || got > MAX_PATH) return "";
  return std::string(temp) + "Tolvane-" + std::to_string(GetCurrentProcessId());
}

// The page file of Run, its folder made when missing; empty (the user was
// told) when the folder cannot be made.
std::string run_page_path() {
  std::string folder = run_folder();
  if (folder.empty() || (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)) {
    file_problem_show(TRANSLATE_FAILED, folder.c_str(), "Run");
    return "";
  }
  return folder + "\\" + PAGE_NAME;
}

using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

bool shell_open(const char* path) {
  auto open = system_function<ShellExecuteFn>("shell32.dll", "ShellExecuteA");
  return open && reinterpret_cast<INT_PTR>(open(editor_window.handle, "open", path, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}
} // namespace

void last_page_set(const char* path) { last_page = path; }

std::string run_page_write() {
  std::string path = run_page_path();
  if (path.empty() || !named_file_write(path.c_str(), page_of_field(), TRANSLATE_FAILED, "Run")) return "";
  last_page = path;
  return path;
}

void page_open_in_browser() {
  if (last_page.empty()) {
    msgbox_show(&editor_window, NO_PAGE_YET, "Open in Browser", 0);
    return;
  }
  if (!shell_open(last_page.c_str())) file_problem_show(BROWSER_FAILED, last_page.c_str(), "Open in Browser");
}

void run_files_remove() {
  std::string folder = run_folder();
  if (folder.empty()) return;
  DeleteFileA((folder + "\\" + PAGE_NAME).c_str());
  RemoveDirectoryA(folder.c_str());
}
