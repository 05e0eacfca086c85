// Storage of the editor's globals.
#include "app/app_state.h"

Window editor_window = {};
Window search_dialog = {};
Window run_window = {};

int32_t client_left = 0;
int32_t client_top = 0;
int32_t client_width = 0;
int32_t client_height = 0;

int32_t line_numbers_on = 0;
int32_t script_running = 0;

char* file_name = nullptr;
char* file_line = nullptr;
char* document_text = nullptr;

FileChannel file_channel = nullptr;

void text_global_set(char** global, char* value) {
  if (*global == value) return;
  if (*global) heap_free(*global);
  *global = value;
}
