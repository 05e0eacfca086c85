// Reading lines of text channels: the one line reader, and whole lines as
// String temporaries.
#include <windows.h>

#include <cstring>

#include "runtime/core/file_internal.h"
#include "runtime/core/heap_internal.h"

namespace {
constexpr DWORD kChunkSize = 128;

void step_back(HANDLE file, DWORD count) {
  if (count == 0) return;
  LARGE_INTEGER distance;
  distance.QuadPart = -static_cast<LONGLONG>(count);
  SetFilePointerEx(file, distance, nullptr, FILE_CURRENT);
}

bool read_byte(HANDLE file, char* byte) {
  DWORD got = 0;
  return ReadFile(file, byte, 1, &got, nullptr) && got == 1;
}

// A line of any length, grown in the private heap as its pieces arrive.
struct GrowingLine {
  char* text;
  int32_t length;
  int32_t capacity; // bytes of text the block holds before its terminator
};

void grow_and_take(void* context, const char* bytes, int32_t count) {
  GrowingLine* line = static_cast<GrowingLine*>(context);
  if (count > line->capacity - line->length) {
    int64_t wanted = static_cast<int64_t>(line->length) + count;
    int64_t capacity = line->capacity < 64 ? 128 : static_cast<int64_t>(line->capacity) * 2;
    if (capacity < wanted) capacity = wanted;
    int32_t size = heap_text_size(capacity);
    char* bigger = static_cast<char*>(heap_alloc_or_stop(size));
    if (line->text) {
      std::memcpy(bigger, line->text, static_cast<size_t>(line->length));
      heap_free(line->text);
    }
    line->text = bigger;
    line->capacity = size - 1;
  }
  std::memcpy(line->text + line->length, bytes, static_cast<size_t>(count));
  line->length += count;
}
} // namespace

bool file_read_line_into(HANDLE file, LineSink sink) {
  char chunk[kChunkSize];
  bool processed = false;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, kChunkSize, &got, nullptr) || got == 0) return processed;
    processed = true;
    DWORD end = 0;
    while (end < got && chunk[end] != '\r' && chunk[end] != '\n') ++end;
    if (end > 0) sink.take(sink.context, chunk, static_cast<int32_t>(end));
    if (end == got) continue; // no line end in this chunk yet

    DWORD behind = end + 1; // chunk bytes up to and including the line end
    if (chunk[end] == '\r') {
      if (behind < got) {
        if (chunk[behind] == '\n') ++behind;
      } else {
        // The CR closed the chunk: an LF right after it belongs to this line.
        char next;
        if (read_byte(file, &next) && next != '\n') step_back(file, 1);
      }
    }
    step_back(file, got - behind);
    return true;
  }
}

char* file_read_line(FileChannel* channel, uint32_t channel_type, int* result) {
  if (result) *result = -1;
  HANDLE h = file_channel_handle(channel);
  if (value_code(channel_type) != VT_TEXT_CHANNEL || !h) return nullptr;
  GrowingLine line{nullptr, 0, 0};
  if (!file_read_line_into(h, LineSink{grow_and_take, &line})) return nullptr;
  if (!line.text) line.text = static_cast<char*>(heap_alloc_or_stop(1)); // an empty line
  if (result) *result = 0;
  return line.text;
}
