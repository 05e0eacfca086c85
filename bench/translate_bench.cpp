// Translates a generated mixed script of 100,000 lines and times text_len
// against the C library's strlen on long texts. Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/translate_bench.exe
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/translate/translate.h"
#include "runtime/core/core.h"

namespace {
double seconds_since(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, freq;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&freq);
  return double(now.QuadPart - start.QuadPart) / double(freq.QuadPart);
}

std::vector<std::string> make_script(int lines) {
  const char* samples[] = {
      "<p>Plain HTML paragraph with some text</p>",
      "@script",
      "def count,0",
      "   count = count + 1",
      "   rand dice,6",
      "   update msg,\"Hello \" + who",
      "   if (dice == 6) {",
      "      alert \"Six\"",
      "   }",
      "   inputstr name,who",
      "@html",
      "button greet,Say hello",
      "textbox name",
      "static msg,Hello there",
  };
  std::vector<std::string> script;
  script.reserve(lines);
  for (int i = 0; i < lines; ++i) script.emplace_back(samples[i % (sizeof samples / sizeof *samples)]);
  return script;
}
} // namespace

int main() {
  heap_start();
  const int kLines = 100000;
  std::vector<std::string> script = make_script(kLines);

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  int mode = 0;
  size_t bytes = 0;
  for (const std::string& line : script) {
    char* out = translate_line(line.c_str(), &mode);
    bytes += text_len(out);
    heap_free(out);
  }
  double t = seconds_since(start);
  std::printf("translate_line: %d lines in %.3f s = %.0f lines/s (%zu bytes out)\n", kLines, t,
              kLines / t, bytes);

  std::string long_text(1 << 20, 'x');
  const int kRounds = 200;
  volatile size_t sink = 0;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) sink = sink + static_cast<size_t>(text_len(long_text.c_str() + (i & 3)));
  double t_len = seconds_since(start);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) sink = sink + std::strlen(long_text.c_str() + (i & 3));
  double t_strlen = seconds_since(start);
  std::printf("text_len: %.2f GB/s, strlen: %.2f GB/s (1 MiB texts, %d rounds)\n",
              kRounds * double(1 << 20) / t_len / 1e9, kRounds * double(1 << 20) / t_strlen / 1e9,
              kRounds);
  heap_stop();
  return 0;
}
