// The heap, the temporaries stack, global blocks, and running out of memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/temp_text.h"

namespace {
// What this process writes with OutputDebugStringA: the system raises DBG_PRINTEXCEPTION_C for each such
// write, and a vectored handler sees it before the debugger would.
std::vector<std::string> g_debug;
LONG CALLBACK note_debug_output(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* r = info->ExceptionRecord;
  if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2)
    g_debug.emplace_back(reinterpret_cast<const char*>(r->ExceptionInformation[1]));
  return EXCEPTION_CONTINUE_SEARCH;
}
int reported(const char* text) { return static_cast<int>(std::count(g_debug.begin(), g_debug.end(), text)); }
} // namespace

TEST(Heap, StartIsIdempotentAndNothingIsAllocatedOrFreedWithoutAHeap) {
  ASSERT_EQ(heap_start(), 1);
  char* block = static_cast<char*>(heap_alloc(5));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(heap_start(), 1);
  EXPECT_NE(heap_free(block), 0) << "blocks survive a second start: still the same heap";
  heap_stop();
  EXPECT_EQ(heap_alloc(10), nullptr);
  char local[4];
  EXPECT_EQ(heap_free(local), 0);
}

TEST_F(HeapTest, BlocksCarryThreeSpareZeroBytesAndBadSizesAreRefused) {
  for (int n : {0, 7, 100000}) {
    unsigned char* block = static_cast<unsigned char*>(heap_alloc(n));
    ASSERT_NE(block, nullptr) << n;
    for (int i = 0; i < n + 3; ++i) ASSERT_EQ(block[i], 0) << "byte " << i << " of " << n;
    EXPECT_NE(heap_free(block), 0);
  }
  EXPECT_EQ(heap_alloc(-1), nullptr);
  EXPECT_EQ(heap_alloc(INT32_MAX), nullptr);
  EXPECT_EQ(heap_free(nullptr), 0);
}

// The stack holds 1000 temporaries. A push beyond reports an overflow once and keeps the temporary; a release
// reports each entry it misses.
TEST_F(HeapTest, TheTemporariesStackReportsAnOverflowOnceAndEachMissingEntry) {
  g_debug.clear();
  void* handler = AddVectoredExceptionHandler(1, note_debug_output);
  for (int i = 0; i < 1000; ++i) temp_push(text_dup("x"));
  char* extra = text_dup("not recorded");
  temp_push(extra);
  EXPECT_EQ(reported("Heap Stack Overflow"), 1);
  EXPECT_EQ(temp_count(), 1000);
  EXPECT_EQ(temp_release(998), 0);
  EXPECT_EQ(temp_release(-3), 0);
  EXPECT_EQ(temp_count(), 2);
  EXPECT_EQ(g_debug.size(), 1u) << "releases within the stack report nothing";
  temp_release(3);
  EXPECT_EQ(temp_count(), 0);
  EXPECT_EQ(reported("Heap Stack Underflow"), 1);
  temp_release(3);
  EXPECT_EQ(reported("Heap Stack Underflow"), 4);
  RemoveVectoredExceptionHandler(handler);
  // A release never frees what was not recorded: the block is still ours.
  EXPECT_STREQ(extra, "not recorded");
  EXPECT_NE(heap_free(extra), 0);
}

TEST(Blocks, SizeIsCountTimesElementSizeAndZeroed) {
  // One row per element size, and the 4-byte default that 16-bit integers take too.
  struct { uint32_t type; uint32_t count; SIZE_T bytes; } cases[] = {
      {VT_STRING, 2, 510}, {VT_BYTE, 5, 5}, {VT_INT64, 1, 8}, {VT_INT16, 3, 12},
  };
  for (const auto& c : cases) {
    unsigned char* block = static_cast<unsigned char*>(block_alloc(c.type, c.count));
    ASSERT_NE(block, nullptr) << c.type;
    EXPECT_GE(GlobalSize(block), c.bytes) << c.type;
    for (SIZE_T i = 0; i < c.bytes; ++i) ASSERT_EQ(block[i], 0) << c.type;
    EXPECT_EQ(block_free(block), 0);
  }
  EXPECT_EQ(block_alloc(VT_STRING, 0), nullptr);
}

// The program says so and ends with its code instead of writing through a null block.
TEST(OutOfMemory, ShowsAMessageAndExitsWithANonZeroCode) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string child(exe);
  child.replace(child.rfind('\\') + 1, std::string::npos, "oom_child.exe");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(child.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      << child;
  Dialogs child_boxes(pi.dwThreadId); // the child's own box, not any other process's "Tolvane"
  EXPECT_EQ(child_boxes.answer_box("Tolvane"), "The program ran out of memory and has to close.");
  EXPECT_TRUE(child_boxes.ok()) << child_boxes.failure();
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 3u);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}
