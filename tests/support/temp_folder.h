// A fresh folder for one test, removed with everything in it afterwards
// (files, and folders one level down).
#pragma once

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TempFolder {
public:
  explicit TempFolder(const char* stem) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string base = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int serial = 1; serial < 10000 && path_.empty(); ++serial) {
      std::string candidate = base + std::to_string(serial);
      if (CreateDirectoryA(candidate.c_str(), nullptr)) path_ = candidate;
    }
  }
  ~TempFolder() {
    if (!path_.empty()) remove_tree(path_, 1);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }
  std::string in(const std::string& name) const { return path_ + "\\" + name; }

  // Writes bytes to a file of the folder; its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::string p = in(name);
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }

  static bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  // The bytes of a file; empty when it cannot be read.
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // The names of the files and folders a pattern matches ("C:\\dir\\*.txt"), without "." and "..".
  static std::vector<std::string> names(const std::string& pattern) {
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do
      if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
        found.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return found;
  }

private:
  static void remove_tree(const std::string& dir, int depth) {
    for (const std::string& name : names(dir + "\\*")) {
      std::string p = dir + "\\" + name;
      if (GetFileAttributesA(p.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
        if (depth > 0) remove_tree(p, depth - 1);
      } else {
        SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(p.c_str());
      }
    }
    RemoveDirectoryA(dir.c_str());
  }
  std::string path_;
};
