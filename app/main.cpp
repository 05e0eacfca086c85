// The editor's entry point.
#include <windows.h>

#include "app/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) { app_start(command_line); }
