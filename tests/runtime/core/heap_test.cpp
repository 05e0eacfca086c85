#include <gtest/gtest.h>

#include "tests/support/temp_text.h"

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
  for (int n : {0, 1, 7, 255, 100000}) {
    unsigned char* block = static_cast<unsigned char*>(heap_alloc(n));
    ASSERT_NE(block, nullptr) << n;
    for (int i = 0; i < n + 3; ++i) ASSERT_EQ(block[i], 0) << "byte " << i << " of " << n;
    block[n + 2] = 1; // the whole n + 3 bytes belong to the block
    EXPECT_NE(heap_free(block), 0);
  }
  EXPECT_EQ(heap_alloc(-1), nullptr);
  EXPECT_EQ(heap_alloc(INT32_MAX), nullptr);
  EXPECT_EQ(heap_free(nullptr), 0);
}
