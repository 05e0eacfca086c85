// Fixtures of the browser tests: a host window with a recording Handler, and the stand-in control
// registered for CLSID_WebBrowser. Every test ends with no site object, event sink or stand-in alive.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "runtime/browser/browser_internal.h"
#include "runtime/core/core.h"
#include "runtime/gui/gui.h"
#include "tests/runtime/browser/standin.h"
#include "tests/support/event_log.h"
#include "tests/support/heap_blocks.h"
#include "tests/support/wait.h"

// A buffer read through browser_command.
inline std::string command_text(Window* w, int32_t code) {
  std::string buffer(BROWSER_TEXT_SIZE + 8, '#');
  browser_command(w, code, &buffer[0]);
  return buffer.c_str();
}

// True when the thread has no COM left: a multi-threaded start succeeds (and is undone).
inline bool thread_com_free() {
  HRESULT r = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (SUCCEEDED(r)) CoUninitialize();
  return r == S_OK;
}

class HostTest : public GuiTest {
protected:
  Window host{};

  void SetUp() override {
    GuiTest::SetUp();
    open_host();
  }
  void open_host() { ASSERT_EQ(win_open(&host, 20, 20, 320, 240, 0x70010, nullptr, "host", EventLog::handler), 1); }
  void TearDown() override {
    win_close(&host);
    handle_messages();
    EXPECT_EQ(browser_live_site_objects(), 0) << "site objects left";
    EXPECT_EQ(browser_live_sinks(), 0) << "event sinks left";
    GuiTest::TearDown();
  }
};

// The stand-in answers for CLSID_WebBrowser while the test runs; the fixture holds COM for it.
class StandInTest : public HostTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    standin::install();
    HostTest::SetUp();
  }
  void TearDown() override {
    HostTest::TearDown();
    g_browser_document_wait_ms = BROWSER_DOCUMENT_WAIT_MS;
    EXPECT_EQ(standin::alive(), 0) << "stand-ins left";
    EXPECT_EQ(standin::documents(), 0) << "documents left";
    standin::revoke();
    OleUninitialize();
  }
  StandIn* attach(const char* url = nullptr) {
    EXPECT_EQ(browser_attach(&host, url), 0);
    return standin::last();
  }
  // Navigations load when messages are handled: until the completion event.
  bool wait_loaded(int completions) {
    return wait_until([&] { return log.count(EV_BROWSER_NAVIGATE_DONE) >= completions; }, 5000);
  }
};

// A host with the stand-in attached, its calls so far forgotten.
class AttachedTest : public StandInTest {
protected:
  StandIn* control = nullptr;
  void SetUp() override {
    StandInTest::SetUp();
    control = attach();
    ASSERT_NE(control, nullptr);
    standin::calls().clear();
    log.clear();
  }
};
