#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/core/core.h"

namespace {
struct BlockCase { uint32_t type; uint32_t count; SIZE_T bytes; };
} // namespace

TEST(Blocks, SizeIsCountTimesElementSizeAndZeroed) {
  const BlockCase cases[] = {
      {VT_STRING, 2, 510}, {VT_INT16, 3, 12}, {VT_BYTE, 5, 5},   {VT_RAW, 7, 7},
      {VT_WORD, 3, 6},     {VT_REAL64, 2, 16}, {VT_INT64, 1, 8}, {VT_UINT64, 4, 32},
      {VT_INT32, 3, 12},   {VT_NONE, 1, 4},    {VT_WINDOW, 26, 104},
  };
  for (const BlockCase& c : cases) {
    unsigned char* block = static_cast<unsigned char*>(block_alloc(c.type, c.count));
    ASSERT_NE(block, nullptr) << c.type;
    EXPECT_GE(GlobalSize(block), c.bytes) << c.type;
    for (SIZE_T i = 0; i < c.bytes; ++i) ASSERT_EQ(block[i], 0) << c.type;
    EXPECT_EQ(block_free(block), 0);
  }
}

TEST(Blocks, MemAllocStoresAZeroedBlockOrReportsFailureAndNothingComesOfNothing) {
  for (uint32_t type : {0u, 2u, 14u, 30u}) EXPECT_EQ(block_alloc(type, 0), nullptr);
  EXPECT_EQ(block_free(nullptr), 0);
  EXPECT_EQ(mem_free(nullptr), 0);
  void* block = reinterpret_cast<void*>(1);
  ASSERT_EQ(mem_alloc(&block, 10, 12), 0);
  ASSERT_NE(block, nullptr);
  EXPECT_GE(GlobalSize(block), 120u);
  for (int i = 0; i < 120; ++i) ASSERT_EQ(static_cast<unsigned char*>(block)[i], 0);
  EXPECT_EQ(mem_free(block), 0);

  EXPECT_EQ(mem_alloc(&block, 0x40000000u, 0x10u), -1); // far past 32-bit memory
  EXPECT_EQ(block, nullptr);
}
