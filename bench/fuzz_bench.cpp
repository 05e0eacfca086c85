// A million generated lines (bench/line_fuzz.h) through line translation,
// Check Script and Load's line cutting: the count, the time and every fault.
// Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/fuzz_bench.exe [LINES [SEED]]
#include <cstdio>
#include <cstdlib>

#include "bench/bench_clock.h"
#include "bench/line_fuzz.h"

int main(int argc, char** argv) {
  long long lines = argc > 1 ? std::atoll(argv[1]) : 1000000;
  unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  if (heap_start() != 1) return 2;
  double start = now_ms();
  FuzzCounts counts = fuzz_lines(lines, seed);
  double ms = now_ms() - start;
  std::printf("fuzz: %lld lines in %lld scripts (seed %llu) in %.1f s = %.0f lines/s; faults: %lld\n", counts.lines,
              counts.scripts, seed, ms / 1000, counts.lines / (ms / 1000), counts.faults);
  heap_stop();
  return counts.faults ? 1 : 0;
}
