// Quit: the modified check, then the editor window goes and the process ends.
#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/recovery.h"

void app_quit() {
  // A Save that did not write what the user meant to keep stops the quit;
  // app_quit then returns to the Handler and the editor stays open.
  if (!modified_check()) return;
  recovery_stop();
  win_close(&editor_window);
  run_files_remove(); // its browser went with the window
  app_end_process();
}
