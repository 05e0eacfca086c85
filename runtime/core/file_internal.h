// Helpers shared by the file channel operations; not part of the runtime's
// public interface.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/core/core.h"

// True when a channel type word names a text or a binary channel.
bool file_channel_kind_ok(uint32_t channel_type);

// The handle of an open channel; null when the channel (or its address) is
// absent or closed.
HANDLE file_channel_handle(const FileChannel* channel);

// Shows a runtime error of the file operations in an ownerless box titled
// FILE_ERROR_TITLE and returns when the user has pressed OK.
void file_show_error(const char* text);

// Receives the bytes of a line piece by piece, line ends left out.
struct LineSink {
  void (*take)(void* context, const char* bytes, int32_t count);
  void* context;
};

// Reads one line of a text channel in chunks of 128 bytes. CR LF, a lone LF
// and a lone CR each end the line; the file position is left just behind the
// line end. True when any byte was read (an empty line included), false at
// the end of the file.
bool file_read_line_into(HANDLE file, LineSink sink);

// Reads the next number of a text channel into a variable of the given
// Value type code (integers rounded to nearest, halves to even). Stores 0
// and returns -1 when no number was found, else returns 0.
int file_read_number_into(FileChannel* channel, void* destination, uint32_t code);
