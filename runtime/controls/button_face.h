// What the two button drawing routines share: the button's state as the
// drawing sees it, the caption, outlines and fills.
#pragma once

#include <windows.h>

struct ButtonFace {
  HWND button;
  HDC dc;
  RECT item;      // the whole button
  UINT state;     // ODS_* bits, with ODS_DEFAULT for the dialog's default button
  LONG style;     // the button's window style
  char text[256]; // the caption
  RECT text_rect; // where the caption goes
  COLORREF text_color;
  COLORREF back_color;

  bool pressed() const { return (state & ODS_SELECTED) != 0; }
  bool disabled() const { return (state & ODS_DISABLED) != 0; }
  bool outlined() const { return (state & (ODS_FOCUS | ODS_DEFAULT)) != 0; }
  bool flat() const { return (style & BS_FLAT) != 0; }
  bool multi_line() const { return (style & BS_MULTILINE) != 0; }
};

// The shared first steps: default state, caption and its rectangle.
ButtonFace button_face(HWND button, const DRAWITEMSTRUCT* item);
// Draws the caption (nothing for an empty one).
void button_caption(const ButtonFace& face);
// The outline of a rectangle with the DC's pen and no fill.
void button_outline(HDC dc, const RECT& r);
// The push-button frame; leaves r on the button's interior.
void button_frame(HDC dc, RECT* r, bool pressed);
void button_fill(HDC dc, const RECT& r, COLORREF color);

// The routine of kind 20.
void hot_button_draw(const ButtonFace& face);
