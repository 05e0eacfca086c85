// Runtime core: the private heap, string temporaries, text operations,
// global-memory blocks and number formatting.
//
// Every operation that yields text returns a String temporary: a fresh
// zero-terminated block of the private heap that the caller owns and frees
// with heap_free, directly or through temp_push / temp_release. No operation
// frees or changes its text arguments.
#pragma once

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
double num_abs(double x);
