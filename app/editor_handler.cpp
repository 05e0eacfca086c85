// The editor window's Handler: creation, close request, size changes, the
// menu picks (accelerators arrive as menu picks) and files dropped on it;
// as the player's window, its page that cannot be shown.
#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"
#include "app/help_texts.h"
#include "app/menu_ids.h"
#include "app/recovery.h"
#include "app/view_info.h"

namespace {
// The editing field beside the gutter, or over the whole client area while
// line numbers are off.
void edit_field_place() {
  win_client_size(&editor_window, &client_left, &client_top, &client_width, &client_height);
  int32_t gutter = line_numbers_on * GUTTER_WIDTH;
  ctl_move(&editor_window, client_left + gutter, client_top, client_width - gutter, client_height, EDIT_FIELD_ID);
}

void layout() {
  if (!ctl_handle(&editor_window, EDIT_FIELD_ID)) return; // the player window has no field
  edit_field_place();
  if (script_running == 1) ctl_move(&run_window, client_left, client_top, client_width, client_height, 0);
}

void line_numbers_toggle() {
  line_numbers_on = line_numbers_on == 1 ? 0 : 1;
  edit_field_place();
}

const char* const PASTE_TOO_LARGE =
    "The text on the clipboard would make the document larger than the editor takes (4 MiB).\r\n\r\nNothing was pasted.";
// Only a paste that bypasses Edit > Paste (the field's own menu, a text
// dropped on it) can meet a full field.
const char* const FIELD_FULL =
    "The field was full, so not all of the text was added.\r\n\r\nIt has been made larger: Undo, then paste again.";

// Keeps room to type: the field grows before the text reaches its limit.
void field_changed() {
  edit_field_make_room(edit_field_length());
  recovery_note_change();
}

void help_show(int32_t id) {
  if (const HelpText* help = help_text_of(id)) msgbox_show(&editor_window, help->message, help->title, 0);
}

void menu_pick(int32_t id) {
  switch (id) {
  case MENU_NEW_BLANK: doc_new_blank(); break;
  case MENU_NEW_TEMPLATE: doc_new_template(); break;
  case MENU_LOAD: doc_load(); break;
  case MENU_SAVE: doc_save(); break;
  case MENU_PRINT: doc_print(); break;
  case MENU_QUIT: app_quit(); break;
  case MENU_UNDO: edit_field_undo(); break;
  case MENU_CUT: edit_field_cut(); break;
  case MENU_COPY: edit_field_copy(); break;
  case MENU_PASTE:
    if (!edit_field_paste()) msgbox_show(&editor_window, PASTE_TOO_LARGE, "Paste", 0);
    break;
  case MENU_SELECT_ALL: edit_field_select_all(); break;
  case MENU_LINE_NUMBERS: line_numbers_toggle(); break;
  case MENU_LINE_COUNT: line_count_show(); break;
  case MENU_MEMORY_INFO: memory_info_show(); break;
  case MENU_SEARCH: search_show(); break;
  case MENU_TRANSLATE: translate_script(); break;
  case MENU_EXECUTE: script_execute(); break;
  case MENU_RUN: script_run(); break;
  case MENU_OPEN_IN_BROWSER: page_open_in_browser(); break;
  case MENU_CHECK_SCRIPT: script_check_show(); break;
  case MENU_RESTART:
    if (script_running == 1) script_restart();
    break;
  case MENU_KILL:
    if (script_running == 1) script_kill();
    break;
  case MENU_IDE_REFERENCE:
  case MENU_LANGUAGE_REFERENCE:
  case MENU_FILE_HELP:
  case MENU_EDIT_HELP:
  case MENU_VIEW_HELP:
  case MENU_SEARCH_HELP: help_show(id); break;
  case MENU_ABOUT: msgbox_show(&editor_window, ABOUT_TEXT, ABOUT_TITLE, 0); break;
  default:
    if (id >= MENU_EXAMPLE_FIRST) example_load(id);
    break;
  }
}
} // namespace

int32_t editor_handler() {
  switch (event_code) {
  case WM_CREATE:
    line_numbers_on = 1;
    win_center(event_window);
    break;
  case EV_CLOSE: app_quit(); break;
  case EV_SIZE: layout(); break;
  case WM_PAINT:
  case EV_ERASE: gutter_erased(); break;
  case WM_SETFOCUS: // back from a requester or box: typing goes on in the field
    if (script_running != 1) ctl_set_focus(&editor_window, EDIT_FIELD_ID);
    break;
  case EV_MENU: menu_pick(event_menu_id); break;
  case WM_DROPFILES: doc_drop(event_wparam); break;
  case EV_BROWSER_NAVIGATE_ERROR: page_refused(&editor_window, false); break; // the player's page
  case EV_COMMAND:
    if (event_id == EDIT_FIELD_ID && event_notify == EN_CHANGE) field_changed();
    if (event_id == EDIT_FIELD_ID && event_notify == EN_MAXTEXT) {
      edit_field_make_room(edit_field_length());
      msgbox_show(&editor_window, FIELD_FULL, "Alert", 0);
    }
    break;
  default: break;
  }
  return 0;
}
