// Helpers for dialog tests: Control items appended by hand, the blocks in use on the process heap,
// the dialog windows of this thread, and a bounded run of the program's message loop.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>

#include "runtime/core/core.h"
#include "runtime/gui/dialog_records.h"
#include "runtime/gui/gui.h"
#include "tests/support/heap_blocks.h"

// Appends a Control item to a dialog's list, as dlg_add_control would; the list owns it.
inline ControlItem* append_item(DialogTemplate* dialog, const char* class_name, const char* text,
                                uint32_t style, uint32_t ex_style, int32_t x, int32_t y, int32_t width,
                                int32_t height, int32_t id, int32_t kind = 99, int32_t default_button = 0) {
  ControlItem* item = static_cast<ControlItem*>(block_alloc(VT_BYTE, sizeof(ControlItem)));
  *item = ControlItem{nullptr, style, ex_style, nullptr, {}, kind, x, y, width, height, id, default_button};
  std::strncpy(item->class_name, class_name, sizeof item->class_name - 1);
  if (text) item->text = std::strcpy(static_cast<char*>(block_alloc(VT_BYTE, std::strlen(text) + 1)), text);
  ControlItem** tail = &dialog->controls;
  while (*tail) tail = &(*tail)->next;
  return *tail = item;
}

// Blocks in use on the process heap, where global memory lives.
inline int busy_heap_blocks() { return busy_blocks(GetProcessHeap()); }

// The number of windows of this thread of the runtime's dialog class.
inline int runtime_dialog_windows() {
  struct Count {
    static BOOL CALLBACK each(HWND w, LPARAM lp) {
      char cls[64] = "";
      GetClassNameA(w, cls, sizeof cls);
      if (std::strcmp(cls, "CorvatineDlgClass") == 0) ++*reinterpret_cast<int*>(lp);
      return TRUE;
    }
  };
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), Count::each, reinterpret_cast<LPARAM>(&n));
  return n;
}

// Runs the program's message loop, msg_wait, until cond holds or timeout_ms passes; true when it held.
inline bool pump_until(const std::function<bool()>& cond, DWORD timeout_ms = 10000) {
  DWORD start = GetTickCount();
  for (;;) {
    if (cond()) return true;
    if (GetTickCount() - start >= timeout_ms) return false;
    msg_wait(1);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}
