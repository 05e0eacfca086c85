// Shared by the window tests: drawing colours and window flags, child controls by id, and what a window shows of
// its styles, class and place.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/gui/gui.h"

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// No caption, and a 1:1 backing bitmap one pixel larger than the window, none, or one stretched to the window.
constexpr uint32_t kBacking = WIN_NO_CAPTION | WIN_BACKING_WINDOW_SIZE;
constexpr uint32_t kNoBacking = WIN_NO_CAPTION | WIN_NO_BACKING;
constexpr uint32_t kStretched = WIN_NO_CAPTION | WIN_BACKING_STRETCH;

// A child window of a system class, with the id a control of the parent has.
inline HWND make_child(HWND parent, const char* class_name, int id, DWORD style = WS_VISIBLE) {
  return CreateWindowExA(0, class_name, "", WS_CHILD | style, 0, 0, 100, 20, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

inline DWORD style_of(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline DWORD ex_style_of(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }

inline std::string class_of(HWND w) {
  char name[64] = "";
  GetClassNameA(w, name, sizeof name);
  return name;
}

// A window's rectangle in its parent's client area, or on the screen.
inline RECT place_of(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline bool deleted(HGDIOBJ object) { return GetObjectType(object) == 0; }
