// A fixture for tests of running dialogs: a described dialog with an edit field and a default push
// button, a Handler that records every event, and a guard that ends a dialog a test failed to end;
// the runtime's dialog windows.
#pragma once

#include <functional>

#include "runtime/controls/controls.h"
#include "tests/support/event_log.h"
#include "tests/support/thread_windows.h"

// The number of windows of this thread of the runtime's dialog class.
inline int runtime_dialog_windows() {
  return static_cast<int>(thread_windows(GetCurrentThreadId(), "CorvatineDlgClass").size());
}

constexpr UINT_PTR kGuardTimer = 0x4711;
constexpr int32_t kGuardResult = -99; // dlg_modal's result when the guard fired

// For a Handler's every event: a guard armed when a dialog starts ends one that a test failed to end
// and fails the test, instead of hanging it. True when the event was the guard's.
inline bool dialog_guard() {
  if (event_code == WM_INITDIALOG) SetTimer(event_window->handle, kGuardTimer, 8000, nullptr);
  if (event_code != WM_TIMER || event_wparam != kGuardTimer) return false;
  ADD_FAILURE() << "the dialog was still running when the guard fired";
  dlg_close(event_window, kGuardResult);
  return true;
}

class DialogTest : public GuiTest {
protected:
  static constexpr int32_t kEdit = 2;
  static constexpr int32_t kButton = 4; // not IDOK: Enter reaches it only as the default button

  Window dlg{};
  Window other{}; // for a test's second dialog: listed until TearDown too
  // Runs inside the Handler for every event, after the guard's own handling.
  std::function<int32_t()> script;

  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(dlg_create(&dlg, 0, 0, 240, 130, WS_CAPTION | WS_SYSMENU, nullptr, "Dialog test", EventLog::handler),
              1);
    ctl_create(&dlg, KIND_EDIT, "", 15, 15, 150, 20, WS_TABSTOP | ES_AUTOHSCROLL, kEdit);
    ctl_create(&dlg, KIND_BUTTON, "Find Next", 40, 60, 80, 24, WS_TABSTOP | BS_DEFPUSHBUTTON, kButton);
    log.on_event = [this] {
      if (dialog_guard()) return 1;
      return script ? script() : 0;
    };
  }
  void TearDown() override {
    for (Window* d : {&dlg, &other})
      if (d->handle) dlg_close(d, 0);
    dlg_list_free();
    GuiTest::TearDown();
  }
};
