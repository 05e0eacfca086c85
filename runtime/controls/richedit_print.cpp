// Printing a rich-edit control's text: the print dialog, then one
// EM_FORMATRANGE per page.
#include "runtime/controls/richedit_print.h"

#include <windows.h>
#include <commdlg.h>
#include <richedit.h>

#include "runtime/controls/print_internal.h"

namespace {
constexpr DWORD PRINT_DIALOG_FLAGS =
    PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE; // 0x140104
static_assert(PRINT_DIALOG_FLAGS == 0x140104, "the print dialog's flags");

constexpr int32_t TWIPS_PER_INCH = 1440;

int32_t page_twips(int32_t pixels, int32_t pixels_per_inch) {
  return pixels_per_inch > 0 ? pixels / pixels_per_inch * TWIPS_PER_INCH : 0;
}
} // namespace

int32_t richedit_print_pages(HWND control, HDC device, int32_t margin) {
  int32_t width = page_twips(GetDeviceCaps(device, HORZRES), GetDeviceCaps(device, LOGPIXELSX));
  int32_t height = page_twips(GetDeviceCaps(device, VERTRES), GetDeviceCaps(device, LOGPIXELSY));
  SetMapMode(device, MM_TEXT);

  FORMATRANGE range{};
  range.hdc = device;
  range.hdcTarget = device;
  range.rcPage = {0, 0, width, height};
  range.rc = {margin, margin, width - margin, height - margin};
  range.chrg.cpMin = 0;
  range.chrg.cpMax = -1;

  LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  int32_t pages = 0;
  for (;;) {
    StartPage(device);
    LRESULT next = SendMessageA(control, EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
    EndPage(device);
    ++pages;
    if (next >= length) break;
    // A page that took no characters (margins as large as the page) would
    // take none on the next page either.
    if (next <= range.chrg.cpMin) break;
    range.chrg.cpMin = static_cast<LONG>(next);
    range.chrg.cpMax = -1;
  }
  SendMessageA(control, EM_FORMATRANGE, 0, 0); // frees the control's cached layout
  return pages;
}

int32_t richedit_print(HWND control, int32_t margin) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = control;
  dialog.Flags = PRINT_DIALOG_FLAGS;
  BOOL chosen = print_dialog_show(&dialog);
  print_reset_fpu();
  if (chosen && dialog.hDC) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "(Untitled)";
    if (StartDocA(dialog.hDC, &document) > 0) {
      richedit_print_pages(control, dialog.hDC, margin);
      EndDoc(dialog.hDC);
    }
  }
  if (dialog.hDC) DeleteDC(dialog.hDC);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  return 0;
}
