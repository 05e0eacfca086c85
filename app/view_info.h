// The View menu's message boxes: line count and memory information.
#pragma once

// "Line Count:" and the editing field's number of lines.
void line_count_show();
// The field's text limit, what is free of it and what is used.
void memory_info_show();
