// A fixture for file channel tests: a private heap, temporary files, and two
// channels that are closed after each test whatever happened.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "tests/support/temp_text.h"

constexpr uint32_t TEXT_CH = VT_TEXT_CHANNEL | VT_REF;
constexpr uint32_t BIN_CH = VT_BIN_CHANNEL | VT_REF;

// Files in a temporary folder of their own, removed with the fixture.
class FileTest : public HeapTest {
protected:
  std::string new_path() { return folder_.in("f" + std::to_string(++files_)); }
  std::string file_with(const std::string& bytes) { return folder_.write("f" + std::to_string(++files_), bytes); }
  static std::string contents(const std::string& path) { return TempFolder::read(path); }
  static bool exists(const std::string& path) { return TempFolder::exists(path); }

  void TearDown() override {
    for (FileChannel* c : {&channel, &other})
      if (*c) CloseHandle(*c);
    HeapTest::TearDown();
  }

  void open_text(const std::string& bytes) {
    ASSERT_EQ(file_open(&channel, VT_TEXT_CHANNEL, file_with(bytes).c_str(), "R"), 0);
  }
  // What write() puts into a new file through channel, opened with kind and mode "W".
  template <typename F> std::string written(uint32_t kind, F write) {
    std::string path = new_path();
    EXPECT_EQ(file_open(&channel, kind, path.c_str(), "W"), 0);
    write();
    file_close(&channel, kind | VT_REF);
    EXPECT_TRUE(exists(path));
    return contents(path);
  }
  std::string read_whole_line(int* result) {
    char* line = file_read_line(&channel, TEXT_CH, result);
    return line ? take(line) : "<null>";
  }

  FileChannel channel = nullptr;
  FileChannel other = nullptr;

private:
  TempFolder folder_{"tlv"};
  int files_ = 0;
};
