#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "runtime/core/heap_internal.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/temp_text.h"
#include "tests/support/windows_path.h"

using TextOps = HeapTest;

TEST_F(TextOps, LeftRightMidClampTheirArguments) {
  struct Case { const char* what; std::string got; const char* want; } cases[] = {
      {"left abc -1", take(text_left("abc", -1)), ""}, {"left abc 5", take(text_left("abc", 5)), "abc"},
      {"right abcdef 2", take(text_right("abcdef", 2)), "ef"}, {"right abc 5", take(text_right("abc", 5)), "abc"},
      {"right abc -2", take(text_right("abc", -2)), ""},
      {"mid 3 2", take(text_mid("abcdef", 3, 2)), "cd"}, {"mid 9 1", take(text_mid("abcdef", 9, 1)), ""},
      {"mid 2 -1", take(text_mid("abcdef", 2, -1)), "bcdef"}, {"mid -4 3", take(text_mid("abcdef", -4, 3)), "abc"},
      {"mid 2 huge", take(text_mid("abcdef", 2, INT32_MAX)), "bcdef"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST_F(TextOps, FindGivesOneBasedPositionsFromTheStartOfTheText) {
  struct Case { const char* s; const char* sub; int32_t start; int32_t want; } cases[] = {
      {"abcabc", "c", 4, 6}, {"abc", "c", 4, 0}, {"abc", "", 1, 0}, {"abc", "C", 1, 0}, {"aab", "ab", 1, 2},
      {"abc", "abcd", 1, 0}, {"abc", "a", -2, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(text_find(c.s, c.sub, c.start), c.want) << c.s << " / " << c.sub << " from " << c.start;
}

TEST_F(TextOps, TrimCharCodeConcatDupAndUpper) {
  char source[] = "Mixed case \xE9";
  std::string big(70000, 'x');
  struct Case { const char* what; std::string got, want; } cases[] = {
      {"trim left", take(text_trim_left(" \tab ")), "ab "}, {"trim right", take(text_trim_right(" ab\t ")), " ab"},
      {"trim right, blanks only", take(text_trim_right(" \t \t")), ""},
      {"trim right keeps line ends", take(text_trim_right("x\r\n")), "x\r\n"}, {"char 65", take(text_char(65)), "A"},
      {"char uses the low byte", take(text_char(321)), "A"}, {"char 256", take(text_char(256)), ""},
      {"concat", take(text_concat("a", "", "b", "cd", "e")), "abcde"},
      {"concat of a long text", take(text_concat(big.c_str(), "y")), big + "y"},
      {"upper", take(text_upper("abc Def 1;")), "ABC DEF 1;"},
      {"upper of the copy", take(text_upper(source)).substr(0, 11), "MIXED CASE "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
  EXPECT_STREQ(source, "Mixed case \xE9") << "the argument is left alone";
  EXPECT_EQ(text_code(""), 0);
  EXPECT_EQ(text_code("\xE9t\xE9"), 0xE9) << "unsigned";
  char buffer[32] = "ab";
  EXPECT_EQ(text_append(buffer, "cde"), buffer);
  EXPECT_STREQ(buffer, "abcde");
}

// A text's block holds its bytes and the terminator. A join longer than any block (texts past 2 GiB on
// 64-bit Windows) gets a size the heap refuses, so the program stops in order: never a small block.
TEST(TextSize, IsTheLengthAndTheTerminatorOrRefusedPastTheLargestBlock) {
  struct { int64_t length; int32_t want; } cases[] = {
      {0, 1}, {70000, 70001}, {INT32_MAX - 4, INT32_MAX - 3}, {INT32_MAX - 3, -1}, {INT32_MAX, -1},
      {int64_t{INT32_MAX} * 3, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(heap_text_size(c.length), c.want) << c.length;
}

// text_len and text_copy work a word at a time: at every alignment of source and target they find the exact
// terminator, and never read past it, here the last byte before an inaccessible page.
TEST_F(TextOps, LenAndCopyStopAtTheTerminatorAtEveryAlignmentAndThePageEnd) {
  SYSTEM_INFO si;
  GetSystemInfo(&si);
  char* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * si.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(pages, nullptr);
  DWORD old;
  ASSERT_TRUE(VirtualProtect(pages + si.dwPageSize, si.dwPageSize, PAGE_NOACCESS, &old));
  alignas(4) char target[48];
  for (int len = 0; len <= 40; ++len) { // the source's alignment changes with its length
    char* s = pages + si.dwPageSize - len - 1;
    for (int i = 0; i < len; ++i) s[i] = static_cast<char>('a' + (i % 26) + (i % 3 == 0 ? 0x80 : 0));
    s[len] = 0;
    ASSERT_EQ(text_len(s), len);
    for (int offset = 0; offset < 4; ++offset) {
      std::memset(target, '#', sizeof target);
      char* d = target + offset;
      ASSERT_EQ(text_copy(d, s), d);
      ASSERT_EQ(std::memcmp(d, s, len + 1), 0) << len << "/" << offset;
      ASSERT_EQ(d[len + 1], '#') << "copy wrote past the terminator";
    }
  }
  VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(TextOps, NumToTextHasALeadingBlankAndTwoPlacesForFractionsRoundedAsTheSystemRuntime) {
  struct Case { double x; const char* want; } cases[] = {
      {-3, " -3"}, {-0.0, " 0"}, {1.0 / 3, " 0.33"}, {-0.5, " -0.50"},
      {-4294967297.0, " -4294967297"}, // past 32 bits: shown whole, not cut
      {1e20, " 100000000000000000000.00"},
      // The stored double decides: 2.675 is held as 2.67499..., 0.125 exactly, -0.005 as -0.0050...01.
      {2.675, " 2.67"}, {0.125, " 0.13"},  {-0.005, " -0.01"},
  };
  for (const Case& c : cases) EXPECT_EQ(take(num_to_text(c.x)), c.want) << c.x;
}

// Real numbers are formatted by the system's C runtime, and a crtdll.dll beside the program (a zip unpacked in
// Downloads) is never loaded for it. Wine takes its own crtdll for such a file unless an override asks for the
// file, as Windows would load it: the child program is given that override.
TEST(NumberText, TakesTheCRuntimeFromTheSystemFolderNeverFromBesideTheProgram) {
  TempFolder folder("crt");
  std::string built = windows_path(TEST_PROGRAM_DIR), child = folder.in("number_child.exe");
  ASSERT_TRUE(CopyFileA((built + "\\number_child.exe").c_str(), child.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((built + "\\planted\\crtdll.dll").c_str(), folder.in("crtdll.dll").c_str(), FALSE));
  const char* app = "Software\\Wine\\AppDefaults\\number_child.exe";
  RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(app) + "\\DllOverrides").c_str(), "crtdll", REG_SZ, "native,builtin", 15);
  long code = run_program("\"" + child + "\"", child.c_str(), 30000);
  RegDeleteTreeA(HKEY_CURRENT_USER, app);
  EXPECT_EQ(code, 0) << "1: the crtdll.dll beside the program was loaded; 2: a wrong number; -1: no start or no end";
}
