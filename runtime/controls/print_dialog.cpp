// The print dialog: the user picks a printer, the pages, the copies and
// collation; the program gets the printer's name to open it by.
#include <windows.h>

#include <commdlg.h>

#include "runtime/controls/controls.h"
#include "runtime/controls/print_internal.h"

// Packed on 32-bit Windows, naturally aligned on 64-bit.
static_assert(sizeof(PRINTDLGA) == (sizeof(void*) == 8 ? 120 : 66), "PRINTDLGA as the system takes it");

namespace {
constexpr DWORD DIALOG_FLAGS = PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;

WORD read_word(const int32_t* variable, int32_t absent) {
  return static_cast<WORD>(variable ? *variable : absent);
}

void write_back(int32_t* variable, int32_t value) {
  if (variable)
    *variable = value;
}

// The copies and collation the user chose. The dialog keeps them in the
// returned device mode when the printer does copies itself, and then leaves
// the structure's count at 1 and its collate flag clear; else in the
// structure. Whichever place holds the choice wins.
void chosen_copies(const PRINTDLGA& dialog, int32_t* copies, int32_t* collate) {
  int32_t count = dialog.nCopies;
  bool collated = (dialog.Flags & PD_COLLATE) != 0;
  if (const auto* mode = dialog.hDevMode ? static_cast<const DEVMODEA*>(GlobalLock(dialog.hDevMode)) : nullptr) {
    if ((mode->dmFields & DM_COPIES) && mode->dmCopies > count)
      count = mode->dmCopies;
    if ((mode->dmFields & DM_COLLATE) && mode->dmCollate == DMCOLLATE_TRUE)
      collated = true;
    GlobalUnlock(dialog.hDevMode);
  }
  write_back(copies, count);
  write_back(collate, collated ? 1 : 0);
}

// A network printer is opened by its port ("\\server\queue"), any other by
// its device name. Kept whole, however long.
char* printer_name(HGLOBAL device_names) {
  const auto* names = device_names ? static_cast<const DEVNAMES*>(GlobalLock(device_names)) : nullptr;
  if (!names)
    return text_dup("");
  const char* base = reinterpret_cast<const char*>(names);
  const char* port = base + names->wOutputOffset;
  char* name = text_dup(port[0] == '\\' ? port : base + names->wDeviceOffset);
  GlobalUnlock(device_names);
  return name;
}
} // namespace

BOOL print_dialog_show(PRINTDLGA* dialog) {
  auto show = system_function<decltype(&PrintDlgA)>("comdlg32.dll", "PrintDlgA");
  return show ? show(dialog) : FALSE;
}

char* print_dialog(Window* window, int32_t* from_page, int32_t* to_page, int32_t* copies, int32_t* collate) {
  PRINTDLGA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window ? window->handle : nullptr;
  dialog.nMinPage = dialog.nFromPage = read_word(from_page, 1);
  dialog.nMaxPage = dialog.nToPage = read_word(to_page, 1);
  dialog.nCopies = read_word(copies, 1);
  dialog.Flags = DIALOG_FLAGS | (collate && *collate ? PD_COLLATE : 0);

  char* name = nullptr;
  if (print_dialog_show(&dialog)) {
    write_back(from_page, dialog.nFromPage);
    write_back(to_page, dialog.nToPage);
    chosen_copies(dialog, copies, collate);
    name = printer_name(dialog.hDevNames);
  }
  // Whatever the outcome, the dialog's global blocks are ours to free.
  if (dialog.hDevNames)
    GlobalFree(dialog.hDevNames);
  if (dialog.hDevMode)
    GlobalFree(dialog.hDevMode);
  print_reset_fpu();
  return name ? name : text_dup("");
}
