// The fuzz bench's short run: generated lines through line translation, Check Script and Load's line cutting,
// each answer held to what its callers rely on (bench/line_fuzz.h); a crash ends the program, naming the line.
#include <gtest/gtest.h>

#include "bench/line_fuzz.h"
#include "tests/support/temp_text.h"

using LineFuzz = HeapTest;

TEST_F(LineFuzz, TwentyThousandGeneratedLinesGiveNoFault) {
  FuzzCounts counts = fuzz_lines(20000, 22);
  EXPECT_EQ(counts.lines, 20000);
  EXPECT_EQ(counts.faults, 0) << "each fault is printed above";
}
