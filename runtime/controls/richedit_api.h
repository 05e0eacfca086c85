// The rich-edit declarations with the common dialogs' find flags.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <commdlg.h> // FR_MATCHCASE
