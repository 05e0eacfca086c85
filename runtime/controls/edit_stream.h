// Streaming a rich-edit control's text in from and out to a string or a
// text channel (EM_STREAMIN, EM_STREAMOUT).
#pragma once

#include "runtime/controls/richedit_api.h"

#include <cstdint>

#include "runtime/controls/command_args.h"

// What one stream reads or writes; the callbacks get its address.
struct StreamCookie {
  uint32_t source_type; // VT_STRING or VT_TEXT_CHANNEL
  char* string;         // VT_STRING: the characters
  HANDLE file;          // VT_TEXT_CHANNEL: the open file
  int32_t position;     // VT_STRING: bytes read so far (in), written so far (out)
  int32_t capacity;     // VT_STRING out: characters the string holds before its zero byte
};

// EDITSTREAMCALLBACK: give the control up to count bytes.
DWORD CALLBACK stream_read(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
// EDITSTREAMCALLBACK: take count bytes from the control.
DWORD CALLBACK stream_write(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);

// Codes 33 (EM_STREAMOUT) and 34 (EM_STREAMIN): a1 a string or an open text
// channel, a2 numeric (nonzero: rich text), a3 the size of a string a1 that
// receives text. The message's result, or 0 when the arguments do not fit.
int32_t edit_stream_command(HWND control, UINT message, const CommandArgs& args);
