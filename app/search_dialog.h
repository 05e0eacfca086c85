// The search itself, apart from its dialog.
#pragma once

#include <cstdint>

// Index (0-based) of the first line of the editing field, from the first
// visible one down, that contains wanted without regard to case; -1 when
// none does (also for an empty text). Lines are searched whole.
int32_t search_find(const char* wanted);
