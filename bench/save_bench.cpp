// Save of a 4 MiB text over an existing file: through a text channel opened
// with mode "W" (empties the file, then writes), as Save wrote before, and
// through file_replace (a flushed new file that then takes the old one's
// place), as it writes now. Median of 5 rounds each. Run it under Wine (see
// bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/save_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "runtime/core/core.h"

namespace {
template <typename F> double median_ms(F save) {
  std::vector<double> times;
  for (int round = 0; round < 5; ++round) {
    double start = now_ms();
    save();
    times.push_back(now_ms() - start);
  }
  return median(times);
}

// A script of 4 MiB less a little: lines of 60 characters.
std::string big_text() {
  std::string text;
  const std::string line = "  document.getElementById(\"out\").textContent = total + 1; //";
  while (text.size() + line.size() + 2 < 4u * 1024 * 1024 - 2) text += line + "\r\n";
  return text;
}
} // namespace

int main() {
  heap_start();
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  std::string path = std::string(folder) + "tolvane-save-bench.app";
  std::string text = big_text();
  std::string file_bytes = text + "\r\n";
  file_replace(path.c_str(), file_bytes.data(), static_cast<int32_t>(file_bytes.size()), nullptr);

  double channel = median_ms([&] {
    FileChannel channel = nullptr;
    file_open(&channel, VT_TEXT_CHANNEL, path.c_str(), "W");
    file_write(&channel, VT_TEXT_CHANNEL | VT_REF, reinterpret_cast<ValueSlot>(text.c_str()), VT_STRING,
               static_cast<int32_t>(text.size()));
    file_close(&channel, VT_TEXT_CHANNEL | VT_REF);
  });
  double replace = median_ms([&] {
    file_replace(path.c_str(), file_bytes.data(), static_cast<int32_t>(file_bytes.size()), nullptr);
  });
  std::printf("Save of %zu bytes over an existing file, median of 5:\n", file_bytes.size());
  std::printf("  text channel, mode W (before): %8.1f ms\n", channel);
  std::printf("  file_replace (now):            %8.1f ms\n", replace);
  DeleteFileA(path.c_str());
  heap_stop();
  return 0;
}
