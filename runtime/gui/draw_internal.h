// Internal helpers shared by the window graphics operations.
#pragma once

#include "runtime/gui/gdi_scope.h"
#include "runtime/gui/gui.h"

// True when drawing goes to the record's backing bitmap.
inline bool has_backing(const Window* record) {
  return record->backing_flags != 0 && record->back_bitmap != nullptr;
}

// Puts the record's drawing state into a DC: position, font, pen, text
// colour (the pen's colour), update-position text alignment, background
// mode and colour, mix mode.
void draw_state_apply(HDC dc, const Window* record);

// A drawing operation selected `made` (a pen or font it created) into the
// scope's DC, then closed the scope: hands `made` to its owner. A closed
// scope left the record a copy, so `made` is deleted; in a scope that is
// still open the record owns it (its previous object is deleted), and in an
// erase DC the erase handling owns it until the DC is restored.
void settle_selected(Window* record, HDC dc, HGDIOBJ made);

// The erase handling's side of settle_selected (paint.cpp).
void erase_adopt(Window* record, HGDIOBJ made);

