#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/debug_output.h"
#include "tests/support/temp_text.h"

namespace {
int count_of(const std::vector<std::string>& lines, const char* text) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}
} // namespace

TEST_F(HeapTest, PushBeyondTheStackReportsOverflowOnceAndKeepsTheTemporary) {
  DebugOutputCapture debug;
  for (int i = 0; i < TEMP_STACK_SIZE; ++i) temp_push(text_dup("x"));
  EXPECT_TRUE(debug.messages().empty());
  char* extra = text_dup("not recorded");
  temp_push(extra);
  EXPECT_EQ(count_of(debug.messages(), "Heap Stack Overflow"), 1);
  EXPECT_EQ(temp_count(), TEMP_STACK_SIZE);
  temp_release(TEMP_STACK_SIZE);
  // A release never frees what was not recorded: the block is still ours.
  EXPECT_STREQ(extra, "not recorded");
  EXPECT_NE(heap_free(extra), 0);
}

TEST_F(HeapTest, ReleaseFreesTheNewestAndReportsEachMissingEntry) {
  DebugOutputCapture debug;
  for (const char* text : {"a", "b", "c"}) temp_push(text_dup(text));
  EXPECT_EQ(temp_count(), 3);
  EXPECT_EQ(temp_release(2), 0);
  EXPECT_EQ(temp_count(), 1);
  EXPECT_EQ(temp_release(0), 0);
  EXPECT_EQ(temp_release(-3), 0);
  EXPECT_EQ(temp_count(), 1);
  EXPECT_TRUE(debug.messages().empty());
  temp_release(2);
  EXPECT_EQ(temp_count(), 0);
  EXPECT_EQ(count_of(debug.messages(), "Heap Stack Underflow"), 1);
  temp_release(3);
  EXPECT_EQ(count_of(debug.messages(), "Heap Stack Underflow"), 4);
}
