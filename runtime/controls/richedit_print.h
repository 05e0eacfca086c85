// Printing a rich-edit control's text.
#pragma once

#include <windows.h>

#include <cstdint>

// Asks for a printer (the print dialog, owned by the control) and prints the
// control's text on it as the document "(Untitled)", margin twips from each
// edge of the page. A cancelled dialog prints nothing. Gives 0.
int32_t richedit_print(HWND control, int32_t margin);

// Lays the control's text out on pages of the device and renders each page
// (StartPage, EM_FORMATRANGE, EndPage); the caller opens and closes the
// document. Ends when the text is used up or when a page takes no
// characters. Gives the number of pages.
int32_t richedit_print_pages(HWND control, HDC device, int32_t margin);
