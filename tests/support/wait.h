// Waiting on a condition with a bounded timeout, never on a guessed sleep.
#pragma once

#include <windows.h>

#include <functional>

// Handles what is queued for this thread.
inline void handle_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Polls cond until it holds or timeout_ms passes, handling this thread's messages meanwhile (a test that
// needs the program's own message loop calls it in cond). True when the condition held.
inline bool wait_until(const std::function<bool()>& cond, DWORD timeout_ms = 10000) {
  DWORD start = GetTickCount();
  for (;;) {
    if (cond()) return true;
    if (GetTickCount() - start >= timeout_ms) return false;
    handle_messages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}
