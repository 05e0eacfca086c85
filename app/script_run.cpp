// The script run window over the editing field. Running pages needs the
// browser host; until it exists Execute and Restart do nothing, and no run
// window is ever open.
#include "app/app.h"
#include "app/app_state.h"

void script_execute() {}

void script_restart() {}

void script_kill() {
  script_running = 0;
  win_close(&run_window);
  ctl_show(&editor_window, 9, EDIT_FIELD_ID);
}
