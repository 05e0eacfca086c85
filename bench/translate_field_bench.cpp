// Translate of a full editing field (30,000 characters, its default limit)
// to a page file, as the Translate command does it after its requester.
// Median of several rounds. Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/translate_field_bench.exe
#include <windows.h>

#include "bench/bench_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/app_state.h"

namespace {
// A mixed script of exactly length characters.
std::string make_script(size_t length) {
  const char* samples[] = {
      "<p>Plain HTML paragraph with some text</p>", "@script", "def count,0", "   count = count + 1",
      "   rand dice,6", "   update msg,\"Hello \" + who", "   if (dice == 6) {", "      alert \"Six\"", "   }",
      "   inputstr name,who", "@html", "button greet,Say hello", "textbox name", "static msg,Hello there",
  };
  std::string script;
  for (size_t i = 0; script.size() < length; ++i) script += std::string(samples[i % 14]) + "\r\n";
  script.resize(length);
  return script;
}
} // namespace

int main() {
  heap_start();
  if (!editor_build()) {
    std::printf("the editor window could not be opened\n");
    return 1;
  }
  HWND field = GetDlgItem(editor_window.handle, EDIT_FIELD_ID);
  int limit = static_cast<int>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0));
  std::string script = make_script(static_cast<size_t>(limit));
  SetWindowTextA(field, script.c_str());
  int lines = static_cast<int>(SendMessageA(field, EM_GETLINECOUNT, 0, 0));

  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  std::string page = std::string(temp) + "tolvane-bench-" + std::to_string(GetCurrentProcessId()) + ".html";
  std::vector<double> times;
  for (int round = 0; round < 9; ++round) {
    double start = now_ms();
    translate_field_to(page.c_str());
    times.push_back(now_ms() - start);
  }
  DeleteFileA(page.c_str());
  std::sort(times.begin(), times.end());
  std::printf("Translate of a full field (%d characters, %d lines): median %.1f ms, min %.1f ms (9 rounds)\n", limit,
              lines, times[times.size() / 2], times.front());
  win_close(&editor_window);
  dlg_list_free();
  heap_stop();
  return 0;
}
