// The editor's menu bar and its Ctrl accelerators. No item text carries a
// mnemonic.
#include "app/app.h"
#include "app/app_state.h"
#include "app/examples.h"
#include "app/menu_ids.h"

namespace {
struct Item {
  const char* text; // null: a separator
  int32_t id;
};

template <int N> void append_items(HMENU menu, const Item (&items)[N]) {
  for (const Item& item : items) {
    if (item.text)
      menu_append(menu, item.text, MF_STRING, static_cast<uintptr_t>(item.id));
    else
      menu_append(menu, "", MF_SEPARATOR, 0);
  }
}

template <int N> HMENU popup(const Item (&items)[N]) {
  HMENU menu = menu_new(0);
  append_items(menu, items);
  return menu;
}

void append_popup(HMENU menu, const char* text, HMENU popup) {
  menu_append(menu, text, MF_POPUP, reinterpret_cast<uintptr_t>(popup));
}

constexpr Item kNew[] = {{"Blank Page", MENU_NEW_BLANK}, {"HTML Template", MENU_NEW_TEMPLATE}};
constexpr Item kFileRest[] = {{"Load", MENU_LOAD}, {"Save", MENU_SAVE}, {"Print", MENU_PRINT}, {nullptr, 0},
                              {"Quit", MENU_QUIT}};
constexpr Item kEdit[] = {{"Undo", MENU_UNDO},   {"Cut", MENU_CUT}, {"Copy", MENU_COPY},
                          {"Paste", MENU_PASTE}, {"Select All", MENU_SELECT_ALL}};
constexpr Item kView[] = {{"Line Numbers", MENU_LINE_NUMBERS}, {"Line Count", MENU_LINE_COUNT},
                          {"Memory Info", MENU_MEMORY_INFO}};
constexpr Item kSearch[] = {{"Search", MENU_SEARCH}};
constexpr Item kScript[] = {{"Translate", MENU_TRANSLATE},
                            {"Execute", MENU_EXECUTE},
                            {"Run\tF5", MENU_RUN},
                            {"Restart", MENU_RESTART},
                            {"Kill", MENU_KILL},
                            {nullptr, 0},
                            {"Check Script", MENU_CHECK_SCRIPT},
                            {"Open in Browser", MENU_OPEN_IN_BROWSER}};
constexpr Item kTopics[] = {{"IDE Reference", MENU_IDE_REFERENCE}, {"Language Reference", MENU_LANGUAGE_REFERENCE},
                            {nullptr, 0},
                            {"File Help", MENU_FILE_HELP},         {"Edit Help", MENU_EDIT_HELP},
                            {"View Help", MENU_VIEW_HELP},         {"Search Help", MENU_SEARCH_HELP}};

HMENU file_menu() {
  HMENU file = menu_new(0);
  append_popup(file, "New", popup(kNew));
  append_items(file, kFileRest);
  return file;
}

HMENU help_menu() {
  HMENU help = menu_new(0);
  append_popup(help, "Topics", popup(kTopics));
  HMENU examples = menu_new(0);
  for (int32_t i = 0; i < EXAMPLE_COUNT; ++i)
    menu_append(examples, EXAMPLES[i].title, MF_STRING, static_cast<uintptr_t>(MENU_EXAMPLE_FIRST + i));
  append_popup(help, "Examples", examples);
  menu_append(help, "About", MF_STRING, MENU_ABOUT);
  return help;
}
} // namespace

void menu_bar_build() {
  HMENU bar = menu_new(0);
  append_popup(bar, "File", file_menu());
  append_popup(bar, "Edit", popup(kEdit));
  append_popup(bar, "View", popup(kView));
  append_popup(bar, "Search", popup(kSearch));
  append_popup(bar, "Script", popup(kScript));
  append_popup(bar, "Help", help_menu());
  menu_attach(&editor_window, bar);
}

void accelerators_add() {
  constexpr uint8_t CTRL_KEY = FVIRTKEY | FCONTROL; // 9
  accel_add(&editor_window, CTRL_KEY, 'A', MENU_SELECT_ALL);
  accel_add(&editor_window, CTRL_KEY, 'S', MENU_SAVE);
  accel_add(&editor_window, CTRL_KEY, 'T', MENU_TRANSLATE);
  accel_add(&editor_window, CTRL_KEY, 'E', MENU_EXECUTE);
  accel_add(&editor_window, FVIRTKEY, VK_F5, MENU_RUN);
  // The field's own paste keys go through Edit > Paste, which makes room first.
  accel_add(&editor_window, CTRL_KEY, 'V', MENU_PASTE);
  accel_add(&editor_window, FVIRTKEY | FSHIFT, VK_INSERT, MENU_PASTE);
}
