// Player mode: a page named app.dat beside the program runs in a browser
// window of its own instead of the editor, and the process ends with it.
#include <windows.h>

#include <vector>

#include "app/app.h"
#include "app/app_state.h"
#include "app/translate/translate.h"

namespace {
// The window went without a browser in it: the editor takes over.
void player_give_up() {
  win_close(&editor_window);
  text_global_set(&file_name, nullptr);
  text_global_set(&file_line, nullptr);
}

// Whether the rest of the open page declares UTF-8: its first line that
// declares an encoding decides, as when Translate wrote it.
bool page_is_utf8(const char* first_line) {
  PageCharset charset = page_charset_of_line(first_line);
  int read = 0;
  while (charset == PageCharset::none) {
    TempText line(file_read_line(&file_channel, FILE_CHANNEL_TYPE, &read));
    if (read != 0 || !line.get()) break;
    charset = page_charset_of_line(line.get());
  }
  return charset == PageCharset::utf8;
}

// A UTF-8 title shown with all its characters, whatever the system's code
// page: the window keeps the text as the system's wide characters.
void title_from_utf8(HWND window, const char* title) {
  int count = MultiByteToWideChar(CP_UTF8, 0, title, -1, nullptr, 0);
  if (count <= 0) return;
  std::vector<wchar_t> wide(static_cast<size_t>(count));
  MultiByteToWideChar(CP_UTF8, 0, title, -1, wide.data(), count);
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.data()));
}
} // namespace

char* player_title(const char* line) {
  if (!line) line = "";
  TempText without_closing(text_left(line, text_len(line) - 3));
  TempText trimmed(text_trim_right(without_closing.get()));
  TempText without_opening(text_right(trimmed.get(), text_len(trimmed.get()) - 4));
  return text_trim_left(without_opening.get());
}

void player_start() {
  text_global_set(&file_name, text_concat(TempText(start_dir()).get(), "app.dat"));
  if (file_open(&file_channel, FILE_CHANNEL_TYPE, file_name, "R") != 0) {
    text_global_set(&file_name, nullptr);
    return;
  }
  int read = 0;
  text_global_set(&file_line, file_read_line(&file_channel, FILE_CHANNEL_TYPE, &read));
  bool utf8 = page_is_utf8(file_line);
  text_global_set(&file_line, player_title(file_line));
  // Shown once the browser is in it: the browser's libraries are loaded
  // only now, and an empty window would show meanwhile.
  win_open(&editor_window, 0, 0, 640, 480, EDITOR_WINDOW_FLAGS | WIN_HIDDEN, nullptr, file_line, editor_handler);
  if (utf8 && editor_window.handle) title_from_utf8(editor_window.handle, file_line);
  file_close(&file_channel, FILE_CHANNEL_TYPE);
  // A window with nothing in it would be a program that cannot show its
  // page: the editor starts instead.
  if (!editor_window.handle || page_browser_attach(&editor_window) != 0) {
    player_give_up();
    return;
  }
  ctl_show(&editor_window, SW_SHOW, 0);
  page_show(&editor_window, file_name, false);
  while (editor_window.handle) msg_wait(0);
  win_close(&editor_window);
  app_end_process();
}
