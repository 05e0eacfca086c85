// Temporary files for tests, and a fixture for file channel tests: a private
// heap and two channels that are closed after each test whatever happened.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/temp_text.h"

constexpr uint32_t TEXT_CH = VT_TEXT_CHANNEL | VT_REF;
constexpr uint32_t BIN_CH = VT_BIN_CHANNEL | VT_REF;

// Files under the system's temporary folder, removed with the object.
class TempFiles {
public:
  TempFiles() = default;
  ~TempFiles() {
    for (const std::string& p : paths_) DeleteFileA(p.c_str());
  }
  TempFiles(const TempFiles&) = delete;
  TempFiles& operator=(const TempFiles&) = delete;

  // The name of a file that does not exist yet.
  std::string new_path() {
    char dir[MAX_PATH], name[MAX_PATH];
    EXPECT_NE(GetTempPathA(MAX_PATH, dir), 0u);
    EXPECT_NE(GetTempFileNameA(dir, "tlv", 0, name), 0u);
    DeleteFileA(name);
    paths_.push_back(name);
    return name;
  }
  // A new file holding exactly bytes.
  std::string file_with(const std::string& bytes) {
    std::string path = new_path();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(h);
    EXPECT_EQ(put, bytes.size()) << path;
    return path;
  }
  // Everything a file holds, read through a handle of its own.
  static std::string contents(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string all;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) all.append(buf, got);
    CloseHandle(h);
    return all;
  }
  static bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
  std::vector<std::string> paths_;
};

class FileTest : public HeapTest, public TempFiles {
protected:
  void TearDown() override {
    for (FileChannel* c : {&channel, &other})
      if (*c) CloseHandle(*c);
    HeapTest::TearDown();
  }
  // Opens channel as a text channel for reading a file holding bytes.
  void open_text(const std::string& bytes) {
    ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, file_with(bytes).c_str(), "R"), 0);
  }
  // What write() puts into a new file through channel, opened with kind and mode "W".
  template <typename F> std::string written(uint32_t kind, F write) {
    std::string path = new_path();
    EXPECT_EQ(file_open(&channel, kind, path.c_str(), "W"), 0);
    write();
    file_close(&channel, kind | VT_REF);
    return contents(path);
  }
  // One line through file_read with a roomy buffer.
  std::string read_into_buffer(int* result) {
    char buf[1024];
    std::memset(buf, 'Z', sizeof buf);
    *result = file_read(&channel, TEXT_CH, buf, VT_STRING | VT_REF, sizeof buf);
    return buf;
  }
  // One line through file_read_line.
  std::string read_whole_line(int* result) {
    char* line = file_read_line(&channel, TEXT_CH, result);
    return line ? take(line) : "<null>";
  }

  FileChannel channel = nullptr;
  FileChannel other = nullptr;
};
