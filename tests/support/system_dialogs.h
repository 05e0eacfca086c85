// The parts of the system's file requesters and message boxes that a
// person reads and fills: the file-name field and the box's text.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/dialog_finder.h"

// The file-name field of an open or save requester.
inline HWND requester_name_field(HWND dialog) {
  constexpr int NAME_COMBO_ID = 0x47C; // explorer style
  constexpr int NAME_EDIT_ID = 0x480;  // older templates
  HWND field = GetDlgItem(dialog, NAME_COMBO_ID);
  return field ? field : GetDlgItem(dialog, NAME_EDIT_ID);
}

// The message of a message box.
inline std::string box_text(HWND box) {
  constexpr int BOX_TEXT_ID = 0xFFFF;
  HWND text = GetDlgItem(box, BOX_TEXT_ID);
  return text ? DialogFinder::text_of(text) : std::string();
}

// Whether the box offers a button with that id (IDOK, IDYES, IDNO ...).
inline bool box_has_button(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  return button && IsWindowVisible(button);
}
