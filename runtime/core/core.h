// Runtime core: the private heap, string temporaries, text operations,
// global-memory blocks and number formatting.
//
// Every operation that yields text returns a String temporary: a fresh
// zero-terminated block of the private heap that the caller owns and frees
// with heap_free, directly or through temp_push / temp_release. No operation
// frees or changes its text arguments.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/core/value_types.h"

// ---- Heap and temporaries -------------------------------------------------

int heap_start();            // 1 when the heap exists afterwards, 0 if it could not be made
void heap_stop();            // destroys the heap and every temporary in it
void* heap_alloc(int32_t n); // n + 3 zeroed bytes, or null
int heap_free(void* block);  // nonzero on success; 0 for a null block or no heap

int temp_push(char* temporary);
int temp_release(int32_t count);
int temp_count(); // pending entries on the temporaries stack

constexpr int TEMP_STACK_SIZE = 1000;

// The owner of one String temporary (or of none) inside a function: frees
// it with heap_free when it goes, exactly once. Moving hands the text on.
class TempText {
public:
  TempText() = default;
  explicit TempText(char* text) : text_(text) {}
  TempText(TempText&& other) noexcept : text_(other.release()) {}
  TempText& operator=(TempText&& other) noexcept {
    reset(other.release());
    return *this;
  }
  TempText(const TempText&) = delete;
  TempText& operator=(const TempText&) = delete;
  ~TempText() { heap_free(text_); }

  char* get() const { return text_; }
  // Gives up the text without freeing it: the caller owns it.
  char* release() {
    char* text = text_;
    text_ = nullptr;
    return text;
  }
  // Frees the text held and holds text instead.
  void reset(char* text = nullptr) {
    if (text == text_) return;
    heap_free(text_);
    text_ = text;
  }

private:
  char* text_ = nullptr;
};

// Allocates like heap_alloc but never returns null: when the heap cannot
// give the block, the program stops in order (a message box, then exit with
// HEAP_EXIT_OUT_OF_MEMORY). Every string operation allocates through it.
void* heap_alloc_or_stop(int32_t n);
constexpr unsigned HEAP_EXIT_OUT_OF_MEMORY = 3;
extern const char* const HEAP_OUT_OF_MEMORY_TITLE;
extern const char* const HEAP_OUT_OF_MEMORY_TEXT;

// ---- Text operations (1-based positions, lengths in bytes) ---------------

char* text_concat_list(const char* const* parts, int count);
template <typename... S>
char* text_concat(const char* first, S... rest) {
  const char* parts[] = {first, rest...};
  return text_concat_list(parts, 1 + static_cast<int>(sizeof...(rest)));
}

char* text_dup(const char* s);
char* text_copy(char* dst, const char* s);   // unbounded: dst must hold s
char* text_append(char* dst, const char* s); // unbounded: dst must hold both
int32_t text_len(const char* s);
char* text_char(int32_t code);
int32_t text_code(const char* s);
char* text_left(const char* s, int32_t n);
char* text_right(const char* s, int32_t n);
char* text_mid(const char* s, int32_t pos, int32_t count);
int32_t text_find(const char* s, const char* sub, int32_t start);
char* text_trim_left(const char* s);
char* text_trim_right(const char* s);
char* text_upper(const char* s);
char* start_dir();
// The text, read in the system's code page, as UTF-8 bytes.
char* text_to_utf8(const char* s);

// ---- Global-memory blocks outside the private heap -----------------------

void* block_alloc(uint32_t type_code, uint32_t count); // zeroed; null for count 0
int block_free(void* block);
int mem_alloc(void** out, uint32_t count, uint32_t size); // 0, or -1 on failure
int mem_free(void* block);

// ---- Numbers --------------------------------------------------------------

char* num_to_text(double x);
double text_to_num(const char* s);
int int64_to_text(char* buffer, int64_t value);   // buffer holds at least 22 bytes
int uint64_to_text(char* buffer, uint64_t value); // buffer holds at least 22 bytes
double num_power(double x, double y);
// The value of a numeric typed argument as a real. Values of 32 bits or
// less sit in the slot itself unless passed by reference; the 64-bit ones
// always live behind the slot's address. False when that address is null.
bool value_as_real(ValueSlot slot, uint32_t type_word, double* x);
double num_abs(double x);

// ---- File channels ----------------------------------------------------------
//
// A File channel is one system file handle, null while closed. Its kind
// travels in the type word of each call: VT_TEXT_CHANNEL or VT_BIN_CHANNEL,
// usually with VT_REF. Values go as a slot (the value itself, or with
// VT_REF in the type word the address of the caller's variable) and a type
// word.

typedef HANDLE FileChannel;

int file_open(FileChannel* channel, uint32_t channel_type, const char* name, const char* mode);
int file_close(FileChannel* channel, uint32_t channel_type);
// A string destination (code 0) receives one line, cut to count - 1 bytes
// plus the terminator when it is longer (count is the buffer's size); the
// rest of that line is skipped. Other codes read a number.
int file_read(FileChannel* channel, uint32_t channel_type, void* destination,
              uint32_t destination_type, int32_t count);
// Reads one whole line of any length as a String temporary; null (and
// *result -1) when nothing was read, else *result 0.
char* file_read_line(FileChannel* channel, uint32_t channel_type, int* result);
int file_write(FileChannel* channel, uint32_t channel_type, ValueSlot value, uint32_t value_type,
               int32_t length);
int file_eof(FileChannel* channel, uint32_t channel_type);
int64_t file_seek(HANDLE handle, int64_t position);
// Reads the next number of a text channel; *found is false (and 0 given)
// when the end of the file came first.
double file_read_number(FileChannel* channel, bool* found);

// Replaces the file at path with length bytes in one step: they are written
// to a new file in the same folder and flushed to disk, which then takes the
// file's place in one rename (keeping an old file's hidden, system and
// archive attributes). 0 on success. On failure the file at path is byte for
// byte what it was, no new file is left, and *reason (when given) receives
// the system's words for what went wrong, as a String temporary.
int file_replace(const char* path, const char* bytes, int32_t length, char** reason);

extern const char* const FILE_ERROR_TITLE; // "Error"
extern const char* const FILE_ERROR_OPEN;  // "Runtime error (OPENFILE): file variable expected"
extern const char* const FILE_ERROR_CLOSE; // "Runtime Error: Invalid file variable"
extern const char* const FILE_ERROR_EOF;   // "Runtime error (EOF): file variable expected"

// ---- System libraries loaded when first needed -------------------------------

// A function of one of Windows' own libraries (loaded from the system
// folder) that only some commands need: a page, a printer, a requester.
// The library is loaded the first time one of its functions is asked for,
// not at every start, and kept for the life of the process, since what it
// gave out may be called at any time after. Null when the library or the
// function is missing.
FARPROC system_proc(const char* library, const char* name);
template <typename Function> Function system_function(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(system_proc(library, name)));
}
// The library itself, for one whose loading is what is wanted (a control
// library registers its window classes as it loads); null when missing.
HMODULE system_library(const char* library);
