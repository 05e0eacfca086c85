// Test helpers for String temporaries: a heap for each test and an owner that
// frees a temporary exactly once.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/core/core.h"

struct HeapFreeDeleter {
  void operator()(char* p) const { EXPECT_NE(heap_free(p), 0) << "temporary freed twice or not on the heap"; }
};
using Temp = std::unique_ptr<char, HeapFreeDeleter>;

// Takes ownership of a String temporary and gives its text.
inline std::string take(char* temporary) {
  Temp owner(temporary);
  return std::string(temporary);
}

// A fixture that gives every test a fresh private heap.
class HeapTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(heap_start(), 1); }
  void TearDown() override {
    temp_release(temp_count());
    heap_stop();
  }
};
