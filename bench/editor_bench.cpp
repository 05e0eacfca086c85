// The editor as a person meets it, on the real tolvane.exe:
//  - start-up to the first idle wait beside Wine's notepad and a bare window
//    program (bare_window.exe), started in turn in the same prefix;
//  - each command on the largest document the editor takes (4 MiB, 64,526
//    lines): the time the editor works on it (from the menu pick to its box
//    or requester, and from the answer to the command's end; the time a box
//    waits for its answer left out), median of 5, and the longest the editor
//    left a message unanswered meanwhile (its message loop held);
//  - the CPU the idle editor uses, with that document and its gutter shown.
// For a command that asks for a name, "after OK" is its own share.
// Run it under Wine (see bench/README.md):
//   /usr/lib/wine/wine64 build/x86_64/bench/editor_bench.exe [tolvane.exe]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/menu_ids.h"
#include "bench/bench_clock.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/largest_document.h"
#include "tests/support/temp_folder.h"
#include "tests/support/windows_path.h"

namespace {
constexpr int ROUNDS = 5;
constexpr DWORD COMMAND_TIMEOUT_MS = 120000;

// A started program, its thread's dialogs, its window.
struct Program {
  PROCESS_INFORMATION info = {};
  HWND window = nullptr;

  bool start(const std::string& exe, const std::string& folder) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &info) != 0;
  }
  // The shown top-level window of its thread.
  HWND find_window() {
    struct Find {
      static BOOL CALLBACK each(HWND w, LPARAM data) {
        if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER) != nullptr) return TRUE;
        *reinterpret_cast<HWND*>(data) = w;
        return FALSE;
      }
    };
    wait_until([&] { return EnumThreadWindows(info.dwThreadId, Find::each, reinterpret_cast<LPARAM>(&window)), window != nullptr; });
    return window;
  }
  // Ends it as a person would (Quit, or the close box) and waits for the end.
  void end(bool quit_by_menu) {
    if (window && quit_by_menu) PostMessageA(window, WM_COMMAND, MENU_QUIT, 0);
    if (window && !quit_by_menu) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    info = {};
    window = nullptr;
  }
};

// ---- Start-up ------------------------------------------------------------

// Milliseconds from CreateProcess to the first input-idle moment; -1 when
// the program did not start.
double start_to_idle(const std::string& exe, bool quit_by_menu) {
  Program program;
  double start = now_ms();
  if (!program.start(exe, "")) return -1;
  DWORD idle = WaitForInputIdle(program.info.hProcess, 20000);
  double elapsed = now_ms() - start;
  program.find_window();
  program.end(quit_by_menu);
  return idle == 0 ? elapsed : -1;
}

// A program started for the comparison, and how it is ended.
struct Starter {
  const char* name;
  std::string exe;
  bool quit_by_menu;
  std::vector<double> times;
};

void startup_compare(std::vector<Starter> programs) {
  const int kRuns = 15;
  for (Starter& p : programs) start_to_idle(p.exe, p.quit_by_menu); // warms the file cache and Wine's services
  for (int i = 0; i < kRuns; ++i) { // in turn, so that a busy moment falls on each
    for (Starter& p : programs) {
      double t = start_to_idle(p.exe, p.quit_by_menu);
      if (t >= 0) p.times.push_back(t);
    }
  }
  std::printf("Start-up to the first idle wait, %d starts each in turn:\n", kRuns);
  const std::vector<double>& notepad = programs[1].times;
  for (const Starter& p : programs) {
    if (p.times.empty()) {
      std::printf("  %-12s did not start\n", p.name);
      continue;
    }
    std::printf("  %-12s median %6.1f ms  (min %6.1f, max %6.1f)", p.name, median(p.times),
                *std::min_element(p.times.begin(), p.times.end()), *std::max_element(p.times.begin(), p.times.end()));
    if (&p.times != &notepad && !notepad.empty()) std::printf("   %.2f of notepad", median(p.times) / median(notepad));
    std::printf("\n");
  }
}

// ---- Commands -------------------------------------------------------------

// Sends WM_NULL to the editor over and over from a thread of its own and
// keeps the longest answer since the last reset: how long the editor's
// message loop was held.
class Responsiveness {
public:
  explicit Responsiveness(HWND window) : window_(window), thread_([this] { run(); }) {}
  ~Responsiveness() {
    stop_ = true;
    thread_.join();
  }
  void reset() { longest_ = 0; }
  // The longest answer once the message sent last has been answered too:
  // it may have waited for the whole command.
  double longest() const {
    long now = rounds_;
    for (double limit = now_ms() + COMMAND_TIMEOUT_MS; rounds_ < now + 2 && now_ms() < limit;) Sleep(1);
    return longest_;
  }

private:
  void run() {
    while (!stop_) {
      DWORD_PTR unused = 0;
      double start = now_ms();
      SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, COMMAND_TIMEOUT_MS, &unused);
      double took = now_ms() - start;
      if (took > longest_) longest_ = took;
      ++rounds_;
      Sleep(2);
    }
  }
  HWND window_;
  std::atomic<double> longest_{0};
  std::atomic<long> rounds_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// What a command shows, in order, and how the bench answers it: a
// requester gets a name (typed, then OK), a box gets OK.
struct Answer {
  const char* title;
  std::string name; // empty: a box
};

// One command: the time the editor worked on it, and the longest it left
// a message unanswered meanwhile.
// For a command that asks for a name, "after" is its work from the
// requester's OK on: the command's own share, the requester's left out.
struct Sample {
  double work = 0, held = 0, after = 0;
  Sample operator+(const Sample& o) const { return {work + o.work, std::max(held, o.held), after + o.after}; }
};

// The shown window of a thread with this title; null when there is none.
HWND thread_window(DWORD thread, const char* title) {
  struct Find {
    const char* title;
    HWND found;
    static BOOL CALLBACK each(HWND w, LPARAM data) {
      Find* f = reinterpret_cast<Find*>(data);
      if (!IsWindowVisible(w) || text_of(w) != f->title) return TRUE;
      f->found = w;
      return FALSE;
    }
  } find{title, nullptr};
  EnumThreadWindows(thread, Find::each, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

class Bench {
public:
  Bench(Program& editor, const TempFolder& folder)
      : editor_(editor), folder_(folder), dialogs_(editor.info.dwThreadId), probe_(editor.window) {}

  // Sends message to target (as a menu pick does, returning when the
  // command is done) while a second thread answers what it shows. The
  // editor's working time is all of it but the time each dialog waited
  // for its answer.
  Sample run(HWND target, UINT message, WPARAM wparam, LPARAM lparam, const std::vector<Answer>& answers = {}) {
    std::vector<double> shown(answers.size()), answered(answers.size());
    bool ok = true;
    std::thread driver([&] {
      for (size_t i = 0; i < answers.size() && ok; ++i) {
        HWND dialog = nullptr;
        double limit = now_ms() + COMMAND_TIMEOUT_MS;
        while (!(dialog = dialogs_.find(answers[i].title)) && now_ms() < limit) Sleep(1);
        shown[i] = answered[i] = now_ms();
        if (!dialog) {
          dialogs_.fail(std::string("no dialog titled ") + answers[i].title);
          ok = false;
          break;
        }
        if (!answers[i].name.empty()) type_into(requester_name_field(dialog), answers[i].name);
        answered[i] = now_ms();
        press(dialog, IDOK);
        ok = dialogs_.wait_gone(dialog);
      }
      if (!ok) dialogs_.dismiss_all();
    });
    probe_.reset();
    DWORD_PTR unused = 0;
    double start = now_ms();
    SendMessageTimeoutA(target, message, wparam, lparam, SMTO_NORMAL, COMMAND_TIMEOUT_MS, &unused);
    double end = now_ms();
    driver.join();
    if (!ok) std::printf("  (%s)\n", dialogs_.failure().c_str());
    double waited = 0;
    for (size_t i = 0; i < answers.size(); ++i) waited += answered[i] - shown[i];
    bool named = !answers.empty() && !answers.back().name.empty();
    return {end - start - waited, probe_.longest(), named ? end - answered.back() : 0};
  }
  Sample menu(int id, const std::vector<Answer>& answers = {}) {
    return run(editor_.window, WM_COMMAND, MAKEWPARAM(id, 0), 0, answers);
  }

  // Search: the dialog opened by the menu, the text typed, Find Next.
  Sample search(const std::string& wanted, bool found) {
    Sample open = menu(MENU_SEARCH);
    HWND dialog = nullptr;
    wait_until([&] { return (dialog = thread_window(editor_.info.dwThreadId, "Search")) != nullptr; });
    type_into(GetDlgItem(dialog, 2), wanted);
    std::vector<Answer> box;
    if (found) box.push_back({"Alert", ""});
    LPARAM button = reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1));
    return open + run(dialog, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), button, box);
  }

  // ROUNDS rounds of one command; prints its line.
  void report(const char* name, const std::function<Sample(int)>& round) {
    std::vector<double> work, held, after;
    for (int i = 0; i < ROUNDS; ++i) {
      Sample s = round(i);
      work.push_back(s.work);
      held.push_back(s.held);
      after.push_back(s.after);
    }
    std::printf("  %-38s %8.1f ms   held %8.1f ms   (max %8.1f, %8.1f)", name, median(work), median(held),
                *std::max_element(work.begin(), work.end()), *std::max_element(held.begin(), held.end()));
    if (median(after) > 0) std::printf("   after OK %6.1f ms", median(after));
    std::printf("\n");
    std::fflush(stdout);
  }

  std::string in_folder(const std::string& name) const { return folder_.in(name); }

private:
  Program& editor_;
  const TempFolder& folder_;
  Dialogs dialogs_;
  Responsiveness probe_;
};

HWND field_of(const Program& editor) { return GetDlgItem(editor.window, 1); }

DWORD_PTR send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, COMMAND_TIMEOUT_MS, &answer);
  return answer;
}

// Under Wine, GetProcessTimes gives another process no CPU time at all, so
// the Linux processes are read through the Z: drive: the CPU time, in ms,
// of the first process whose command line holds name (/proc/PID/stat,
// user and system time in ticks of 10 ms); -1 when there is none.
double linux_cpu_ms(const char* name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  auto read_all = [](const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char block[4096];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) bytes.append(block, got);
    CloseHandle(file);
    return bytes;
  };
  double ms = -1;
  do {
    std::string pid = found.cFileName;
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string command = read_all("Z:\\proc\\" + pid + "\\cmdline");
    CharLowerBuffA(&command[0], static_cast<DWORD>(command.size()));
    if (command.find(name) == std::string::npos || command.find("editor_bench") != std::string::npos) continue;
    std::string stat = read_all("Z:\\proc\\" + pid + "\\stat");
    size_t at = stat.rfind(')');
    if (at == std::string::npos) continue;
    unsigned long long user = 0, system = 0;
    // After the name: the state, then ten fields before user and system time.
    if (std::sscanf(stat.c_str() + at + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user, &system) == 2)
      ms = 10.0 * double(user + system);
    break;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return ms;
}

// The idle editor, nothing changed and nothing asked of it: its share of
// one core over 30 seconds, and the share of the Wine server that carries
// its messages.
void idle_cpu() {
  const DWORD idle_ms = 30000;
  double editor = linux_cpu_ms("tolvane.exe"), server = linux_cpu_ms("wineserver");
  double start = now_ms();
  Sleep(idle_ms);
  double wall = now_ms() - start;
  double editor_ms = linux_cpu_ms("tolvane.exe") - editor, server_ms = linux_cpu_ms("wineserver") - server;
  if (editor < 0) {
    std::printf("Idle editor: its process was not found in /proc\n");
    return;
  }
  std::printf("Idle editor with that document shown: %.0f ms of CPU in %.1f s = %.2f%% of a core "
              "(the Wine server meanwhile: %.0f ms, %.2f%%)\n",
              editor_ms, wall / 1000, 100.0 * editor_ms / wall, server_ms, 100.0 * server_ms / wall);
}

void commands(const std::string& tolvane, const TempFolder& folder) {
  std::string document = largest_document();
  std::string big_app = folder.write("big.app", document + "\r\n");
  Program editor;
  if (!editor.start(tolvane, folder.path()) || !editor.find_window()) {
    std::printf("the editor did not start\n");
    return;
  }
  // Shown whole once its field is in.
  HWND field = nullptr;
  wait_until([&] { return (field = field_of(editor)) != nullptr && IsWindowVisible(editor.window); });
  {
    Bench bench(editor, folder);
    // The requester's own share of Save, Load and Translate: a Save with
    // nothing to write (the first one also loads the requester's library).
    auto empty_save = [&](int i) {
      return bench.menu(MENU_SAVE, {{"Save", bench.in_folder("empty" + std::to_string(i) + ".app")}});
    };
    Sample first_save = empty_save(99);
    std::printf("An empty document:\n  %-38s %8.1f ms   held %8.1f ms\n", "first Save of the process", first_save.work,
                first_save.held);
    bench.report("Save", empty_save);
    Sample first_load = bench.menu(MENU_LOAD, {{"Load", big_app}});
    std::printf("Commands on a document of %d characters, %d lines; median of %d (\"held\": the longest the "
                "editor left a message unanswered):\n",
                static_cast<int>(send(field, WM_GETTEXTLENGTH)), static_cast<int>(send(field, EM_GETLINECOUNT)),
                ROUNDS);
    std::printf("  %-38s %8.1f ms   held %8.1f ms\n", "first Load", first_load.work, first_load.held);

    bench.report("Line Count", [&](int) { return bench.menu(MENU_LINE_COUNT, {{"Alert", ""}}); });
    bench.report("Memory Info", [&](int) { return bench.menu(MENU_MEMORY_INFO, {{"Memory Info", ""}}); });
    bench.report("Search, found on the last line", [&](int) { return bench.search("endmark", true); });
    bench.report("Search, not found", [&](int) { return bench.search("no such text", false); });
    bench.report("Check Script", [&](int) { return bench.menu(MENU_CHECK_SCRIPT, {{"Check Script", ""}}); });
    bench.report("Translate", [&](int i) {
      return bench.menu(MENU_TRANSLATE, {{"Translate", bench.in_folder("page" + std::to_string(i) + ".html")}});
    });
    bench.report("Save", [&](int i) {
      return bench.menu(MENU_SAVE, {{"Save", bench.in_folder("saved" + std::to_string(i) + ".app")}});
    });
    bench.report("Load", [&](int) {
      send(field, EM_SETMODIFY, FALSE);
      return bench.menu(MENU_LOAD, {{"Load", big_app}});
    });
    Sample first_run = bench.menu(MENU_RUN);
    bench.menu(MENU_KILL);
    std::printf("  %-38s %8.1f ms   held %8.1f ms\n", "first Run of the process", first_run.work, first_run.held);
    bench.report("Run (opening the run window)", [&](int) {
      Sample run = bench.menu(MENU_RUN);
      bench.menu(MENU_KILL);
      return run;
    });
    // A page down, then a message, answered once the loop's pass with the
    // gutter after the scroll is over.
    bench.report("Scroll a page, with the gutter's pass", [&](int) {
      return bench.run(field, WM_VSCROLL, SB_PAGEDOWN, 0) + bench.run(editor.window, WM_NULL, 0, 0);
    });
  }
  send(field, EM_LINESCROLL, 0, -static_cast<LPARAM>(send(field, EM_GETFIRSTVISIBLELINE)));
  send(field, EM_SETMODIFY, FALSE);
  send(editor.window, WM_NULL);
  idle_cpu();
  editor.end(true);
}
} // namespace

// An argument names another tolvane.exe to measure (an older build, say).
int main(int argc, char** argv) {
  TempFolder folder("tolvane-editor-bench");
  // The editors started here keep their recovery files in the bench's folder.
  SetEnvironmentVariableA("LOCALAPPDATA", folder.path().c_str());
  std::string tolvane = argc > 1 ? argv[1] : windows_path(TOLVANE_EXE);
  char system[MAX_PATH] = "";
  GetSystemDirectoryA(system, sizeof system);
  // The bare window shows the least such a program takes to start here.
  startup_compare({{"tolvane", tolvane, true, {}},
                   {"notepad", std::string(system) + "\\notepad.exe", false, {}},
                   {"bare window", windows_path(BARE_WINDOW_EXE), false, {}}});
  commands(tolvane, folder);
  return 0;
}
