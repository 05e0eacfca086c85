// Attaching a browser to a window, and how the window code drives it: keys from the message loop,
// closing with the window (placing and resizing: the run window end to end).
#include "tests/runtime/browser/browser_fixture.h"

TEST_F(StandInTest, AttachEmbedsTheControlOverTheClientAreaAndConnectsItsEvents) {
  RECT client{};
  GetClientRect(host.handle, &client);
  StandIn* control = attach(""); // the empty text is a URL too
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(standin::calls(), (std::vector<std::string>{"InitNew", "SetClientSite", "DoVerb -1 rect " +
                                                        rect_text(client), "Advise 1", "Navigate2 "}));
  EXPECT_EQ(rect_text(place_of(control->view())), rect_text(client));

  // A second attach, and one to a closed window, are refused.
  Window closed{};
  EXPECT_EQ(browser_attach(&closed, nullptr), -1);
  BrowserSite* site = host.browser;
  EXPECT_EQ(browser_attach(&host, "other.html"), -1);
  EXPECT_EQ(host.browser, site);
  EXPECT_EQ(standin::made(), 1);
}

// (A control that cannot be made: PlayerStart.ReturnsToTheEditorWhenNoBrowserCanShowAppDat.)
TEST_F(StandInTest, ControlThatCannotBeActivatedIsClosedAndLeavesNothing) {
  standin::script().do_verb_result = E_FAIL;
  EXPECT_EQ(browser_embed(host.handle), -3);
  EXPECT_EQ(standin::count("Close 1"), 1);
  EXPECT_EQ(standin::count("SetClientSite null"), 1);
  EXPECT_EQ(browser_attach(&host, "x.html"), -1);
  EXPECT_EQ(host.browser, nullptr);
  EXPECT_EQ(GetPropA(host.handle, "BROWSER"), nullptr);
  EXPECT_EQ(browser_live_site_objects(), 0);
  EXPECT_EQ(standin::alive(), 0);
}

TEST_F(HostTest, FailedAttachUndoesItsOleInitialisation) {
  ASSERT_TRUE(thread_com_free()) << "the test starts without COM";
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  standin::install();
  standin::script().creation_result = E_OUTOFMEMORY;
  EXPECT_EQ(browser_attach(&host, nullptr), -1);
  standin::revoke();
  OleUninitialize();
  EXPECT_TRUE(thread_com_free()) << "one OleUninitialize for the attach's own OleInitialize";
}

TEST_F(AttachedTest, MessageLoopGivesKeyDownsToTheControlAndDropsTheOnesItTakes) {
  standin::script().consumed_keys = {VK_TAB};
  PostMessageA(host.handle, WM_KEYDOWN, VK_TAB, 0);
  PostMessageA(host.handle, WM_KEYDOWN, 'A', 0);
  PostMessageA(host.handle, WM_KEYUP, 'A', 0);
  PostMessageA(control->view(), WM_KEYDOWN, VK_DOWN, 0);
  msg_wait(1);
  EXPECT_EQ(standin::calls(), (std::vector<std::string>{"TranslateAccelerator 256 9", "TranslateAccelerator 256 65",
                                                        "TranslateAccelerator 256 40"}))
      << "key-downs only, also those of the control's own window";
  std::vector<uint32_t> keys;
  for (const EventSnap& e : log.events)
    if (e.code == WM_KEYDOWN) keys.push_back(e.wparam);
  EXPECT_EQ(keys, std::vector<uint32_t>{'A'}) << "the Tab the control took is not dispatched";
  EXPECT_EQ(log.count(WM_KEYUP), 1);
}

TEST_F(AttachedTest, ClosingTheWindowDisconnectsDetachesAndReleasesEverything) {
  win_close(&host);
  EXPECT_EQ(standin::calls(), (std::vector<std::string>{"Unadvise 1", "Close 1", "SetClientSite null"}));
  EXPECT_EQ(host.browser, nullptr);
  EXPECT_EQ(standin::alive(), 0);
}

TEST_F(StandInTest, ChildWindowsAndDialogsTakeTheirBrowsersDownWhenTheyGo) {
  Window child{}, dialog{};
  ASSERT_EQ(win_open(&child, 0, 0, 200, 150, 0x800050, &host, "", EventLog::handler), 1);
  ASSERT_EQ(browser_attach(&child, "page.html"), 0);
  ASSERT_TRUE(wait_loaded(1));
  ASSERT_EQ(dlg_create(&dialog, 0, 0, 200, 150, WS_CAPTION | WS_SYSMENU, nullptr, "with a browser", nullptr), 1);
  ASSERT_NE(dlg_show(&dialog, &host), nullptr);
  ASSERT_EQ(browser_attach(&dialog, nullptr), 0);
  dlg_close(&dialog, 0);
  EXPECT_EQ(dialog.browser, nullptr);
  EXPECT_EQ(standin::alive(), 1) << "the dialog's browser went with it";
  win_close(&host);
  EXPECT_EQ(child.browser, nullptr);
  EXPECT_EQ(standin::alive(), 0) << "the child's browser went with its parent";
}
