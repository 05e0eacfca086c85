// The help texts of the Help menu and the About box.
#pragma once

#include <cstdint>

struct HelpText {
  int32_t menu_id;
  const char* title; // the menu item's text
  const char* message;
};

// The help text of a Help > Topics item, or null for any other id.
const HelpText* help_text_of(int32_t menu_id);

extern const char* const ABOUT_TITLE;
extern const char* const ABOUT_TEXT;
