// A Handler for tests that records every event it sees, and a fixture for window tests.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

struct EventSnap {
  int32_t code;
  WPARAM wparam;
  LPARAM lparam;
  uint32_t x, y;
  Window* window;
  int32_t id, menu_id, notify;
};

struct EventLog {
  std::vector<EventSnap> events;
  // Runs inside the Handler after the event is recorded; its result is the Handler's (0 when unset).
  std::function<int32_t()> on_event;

  static EventLog& get() {
    static EventLog log;
    return log;
  }
  static int32_t handler() {
    EventLog& log = get();
    log.events.push_back({event_code, event_wparam, event_lparam, event_x, event_y, event_window, event_id,
                          event_menu_id, event_notify});
    return log.on_event ? log.on_event() : 0;
  }
  void clear() {
    events.clear();
    on_event = nullptr;
  }
  int count(int32_t code) const {
    int n = 0;
    for (const EventSnap& e : events) n += e.code == code;
    return n;
  }
  const EventSnap* last(int32_t code) const {
    for (auto it = events.rbegin(); it != events.rend(); ++it)
      if (it->code == code) return &*it;
    return nullptr;
  }
};

// A fixture with a heap and an empty event log; the windows it opens are closed after the test.
class GuiTest : public ::testing::Test {
protected:
  EventLog& log = EventLog::get();
  void SetUp() override {
    ASSERT_EQ(heap_start(), 1);
    log.clear();
  }
  void TearDown() override {
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) win_close(&*w);
    log.clear();
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }
  // win_open into a record the fixture keeps.
  Window& open(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t flags, Window* parent = nullptr,
               const char* title = "", Handler handler = nullptr) {
    windows_.emplace_back();
    EXPECT_EQ(win_open(&windows_.back(), x, y, width, height, flags, parent, title, handler), 1) << flags;
    return windows_.back();
  }

private:
  std::deque<Window> windows_;
};
