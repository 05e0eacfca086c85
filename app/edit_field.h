// The editor's editing field (control EDIT_FIELD_ID of the editor window):
// the operations the editor's commands work it with.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/core.h"

// Its text (a String temporary), and a text that replaces it whole and
// leaves the field unmodified.
char* edit_field_text();
void edit_field_set_text(const char* text);
// Line index (0-based), whole and without its line end, as a String
// temporary; empty past the last line, null without a field.
char* edit_field_line(int32_t index);

// The field's lines read in one message: its text, and where in it each
// line the field shows starts and how long it is, its line end left out.
struct LineSpan {
  int32_t start;
  int32_t length;
};
struct FieldLines {
  TempText text;
  std::vector<LineSpan> lines;
};
// The field cuts its text at CR LF (the first CR of a CR CR LF belongs to
// neither line) and may also cut at a lone LF. False, with no lines, when
// its line count says it cuts otherwise (a field that wraps long lines,
// say): then only the field itself can tell its lines.
bool edit_field_lines(FieldLines* field);

bool edit_field_modified();
void edit_field_set_unmodified();
void edit_field_set_modified();
// The most characters the field takes, and raising it.
int32_t edit_field_limit();
void edit_field_set_limit(int32_t limit);
// The number of characters in the field (each line break counting 2).
int32_t edit_field_length();
// Raises the limit, up to the largest document the editor takes, so that a
// text of this length fits with room to type beyond it; the limit never
// goes down, so Undo always finds room for what it brings back.
void edit_field_make_room(int32_t length);
int32_t edit_field_line_count();
int32_t edit_field_first_visible_line();

// The Edit menu's commands.
void edit_field_undo();
void edit_field_cut();
void edit_field_copy();
// Paste makes room first; false, and nothing pasted, when the text would
// grow past the largest document the editor takes.
bool edit_field_paste();
void edit_field_select_all();
