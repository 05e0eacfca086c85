// Replacing a named file in one step: the new bytes arrive whole or the old
// file stays as it was, and nothing else is left in its folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/core/core.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_text.h"

using FileReplace = HeapTest;

TEST_F(FileReplace, TheNewBytesTakeTheNamesPlaceWithNothingLeftBeside) {
  TempFolder folder("tlv");
  const std::string bytes("new\r\ntext\0with a NUL", 20);
  for (bool existing : {false, true}) {
    SCOPED_TRACE(existing ? "over a longer old file" : "a new file");
    std::string path = folder.in("page.html");
    if (existing) folder.write("page.html", std::string(5000, 'o'));
    char* reason = reinterpret_cast<char*>(1);
    EXPECT_EQ(file_replace(path.c_str(), bytes.data(), static_cast<int32_t>(bytes.size()), &reason), 0);
    EXPECT_EQ(reason, nullptr);
    EXPECT_EQ(TempFolder::read(path), bytes);
    EXPECT_EQ(TempFolder::names(folder.in("*")), std::vector<std::string>{"page.html"});
    DeleteFileA(path.c_str());
  }
}

TEST_F(FileReplace, AFailureLeavesTheTargetAsItWasAndSaysWhy) {
  TempFolder folder("tlv");
  std::string old_bytes = "the old text\r\n";
  std::string read_only = folder.write("locked.app", old_bytes);
  ASSERT_TRUE(SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_READONLY));
  CreateDirectoryA(folder.in("a folder.app").c_str(), nullptr);
  struct Case { const char* what; std::string path; } cases[] = {
      {"a read-only file", read_only},
      {"a folder of that name", folder.in("a folder.app")},
      {"a folder that does not exist", folder.in("missing\\x.app")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    char* reason = nullptr;
    EXPECT_NE(file_replace(c.path.c_str(), "new", 3, &reason), 0);
    ASSERT_NE(reason, nullptr);
    EXPECT_GT(take(reason).size(), 5u) << "the system's words";
  }
  EXPECT_EQ(TempFolder::read(read_only), old_bytes);
  EXPECT_EQ(GetFileAttributesA(read_only.c_str()) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  std::vector<std::string> left = TempFolder::names(folder.in("*"));
  EXPECT_EQ(left.size(), 2u) << "no new file is left behind";
  SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_NORMAL);
}
