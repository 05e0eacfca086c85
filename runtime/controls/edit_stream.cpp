// The edit-stream callbacks that carry a rich-edit control's text from and
// to a string or a text channel, and the two stream codes that use them.
#include "runtime/controls/edit_stream.h"

#include <cstring>

DWORD CALLBACK stream_read(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
  StreamCookie* c = reinterpret_cast<StreamCookie*>(cookie);
  if (!c) return 1;
  *done = 0;
  if (c->source_type == VT_TEXT_CHANNEL) {
    DWORD got = 0;
    ReadFile(c->file, buffer, static_cast<DWORD>(count), &got, nullptr);
    *done = static_cast<LONG>(got);
    return 0;
  }
  if (c->source_type == VT_STRING) {
    const char* from = c->string + c->position;
    LONG n = 0;
    while (n < count && from[n] != 0) {
      buffer[n] = static_cast<BYTE>(from[n]);
      ++n;
    }
    c->position += n;
    *done = n; // 0 at the zero byte ends the stream
    return 0;
  }
  return 1;
}

DWORD CALLBACK stream_write(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
  StreamCookie* c = reinterpret_cast<StreamCookie*>(cookie);
  if (!c) return 1;
  *done = 0;
  if (c->source_type == VT_TEXT_CHANNEL) {
    DWORD wrote = 0;
    WriteFile(c->file, buffer, static_cast<DWORD>(count), &wrote, nullptr);
    *done = static_cast<LONG>(wrote);
    return 0;
  }
  if (c->source_type == VT_STRING) {
    // What does not fit in the string is dropped; the stream goes on, so
    // the control still reports every character it had.
    int32_t room = c->capacity - c->position;
    int32_t take = count < room ? static_cast<int32_t>(count) : room;
    if (take > 0) {
      std::memcpy(c->string + c->position, buffer, static_cast<size_t>(take));
      c->position += take;
    }
    c->string[c->position] = 0;
    *done = count;
    return 0;
  }
  return 1;
}

int32_t edit_stream_command(HWND control, UINT message, const CommandArgs& args) {
  const CommandArg &source = args.a[0], &rich = args.a[1];
  if (!arg_is_number(rich)) return 0;
  StreamCookie cookie{};
  if (arg_is_string(source)) {
    cookie.source_type = VT_STRING;
    cookie.string = arg_string(source);
    if (message == EM_STREAMOUT) {
      cookie.capacity = arg_capacity(args.a[2]);
      cookie.string[0] = 0;
    }
  } else if (arg_is_open_text_channel(source)) {
    cookie.source_type = VT_TEXT_CHANNEL;
    cookie.file = arg_channel_handle(source);
  } else {
    return 0;
  }
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
  stream.pfnCallback = message == EM_STREAMOUT ? stream_write : stream_read;
  WPARAM format = arg_number(rich) != 0 ? SF_RTF : SF_TEXT;
  return static_cast<int32_t>(SendMessageA(control, message, format, reinterpret_cast<LPARAM>(&stream)));
}
