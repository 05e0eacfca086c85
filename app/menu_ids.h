// The ids of the editor's menu items; accelerators arrive as the same ids.
#pragma once

#include <cstdint>

enum MenuId : int32_t {
  MENU_NEW_BLANK = 1,
  MENU_NEW_TEMPLATE = 2,
  MENU_LOAD = 3,
  MENU_SAVE = 4,
  MENU_PRINT = 5,
  MENU_QUIT = 6,
  MENU_UNDO = 7,
  MENU_CUT = 8,
  MENU_COPY = 9,
  MENU_PASTE = 10,
  MENU_SELECT_ALL = 11,
  MENU_LINE_NUMBERS = 12,
  MENU_LINE_COUNT = 13,
  MENU_MEMORY_INFO = 14,
  MENU_SEARCH = 15,
  MENU_TRANSLATE = 16,
  MENU_EXECUTE = 17,
  MENU_RESTART = 18,
  MENU_KILL = 19,
  MENU_IDE_REFERENCE = 20,
  MENU_LANGUAGE_REFERENCE = 21,
  MENU_FILE_HELP = 22,
  MENU_EDIT_HELP = 23,
  MENU_VIEW_HELP = 24,
  MENU_SEARCH_HELP = 25,
  MENU_ABOUT = 26,
  MENU_RUN = 27,
  MENU_OPEN_IN_BROWSER = 28,
  MENU_CHECK_SCRIPT = 29,
  // Help > Examples, one id for each built-in example in the submenu's order.
  MENU_EXAMPLE_FIRST = 30,
};
