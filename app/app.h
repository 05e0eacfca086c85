// The editor's commands, Handlers and start-up.
#pragma once

#include <cstdint>
#include <string>

struct Window;

// Start-up and the main loop; never returns. The command line (without the
// program's name) may name a file for the editor to open.
[[noreturn]] void app_start(const char* command_line);
// The file named on a command line: the text inside its first pair of
// quotes when it starts with one, else the whole line without the blanks
// around it (so that a path with blanks needs no quotes). Empty for none.
std::string start_file_of(const char* command_line);
// Builds the editor window, its editing field, the search dialog, the menu
// bar, the accelerators and the timer (start-up after the player's chance).
// False when the editor window could not be opened.
bool editor_build();
// Main loop: a gutter pass, then one batch of messages, while the editor
// window exists.
void editor_loop();
// Frees the dialog descriptions and the heap and ends the process with 0.
[[noreturn]] void app_end_process();

// Player mode: with an app.dat beside the program, a window shows it and
// the process ends when it closes. Returns when there is no app.dat to
// open, or when no browser could be put into the window (the editor starts
// then).
void player_start();
// The player window's title from line 1 of app.dat: without its first 4
// and last 3 characters and the blanks inside them (a String temporary).
char* player_title(const char* line);

int32_t editor_handler();
int32_t search_handler();

// The menu bar of the editor with its popups, and its accelerators.
void menu_bar_build();
void accelerators_add();
// The search dialog's description (built once).
void search_dialog_build();
// The Search command: shows the dialog with an empty field, focused.
void search_show();

// Documents.
void doc_new_blank();
void doc_new_template();
void doc_load();
// Load's work without its requester: the file at path into the field, or a
// box that says why not (the field is then left as it was).
void doc_load_file(const char* path);
// The modified check, then the file at path into the field as Load puts it
// (a file named on the command line or dropped on the window).
void doc_open(const char* path);
// A WM_DROPFILES drop (its HDROP): the first file dropped is opened.
void doc_drop(uintptr_t drop);
void doc_save();
void doc_print();
// Quit: returns only when the modified check stopped it.
void app_quit();

// The script run window: Execute asks for a page and runs it over the
// editing field; Run shows the field's page there with no requester (in the
// window already open, if any); Restart reloads the page, after Run
// translating the field again; Kill closes it (both only while
// script_running). run_handler is the run window's Handler.
void script_execute();
void script_run();
void script_restart();
void script_kill();
int32_t run_handler();
// Shows the page at path in the run window, opening it when none is open.
void run_window_show(const char* path);

// Asks the system's browser control for its newest document mode for this
// program, unless the user chose a mode; once, before the first browser.
void browser_mode_ensure();

// A window that shows pages (the run window, the player's): its browser,
// after browser_mode_ensure; 0, or -1 as browser_attach.
int32_t page_browser_attach(Window* window);
// The page at path in the window's browser, in place of what the window
// said before.
void page_show(Window* window, const char* path, bool offer_browser);
// The control cannot show the page (EV_BROWSER_NAVIGATE_ERROR): the window
// says so in its place, with a button that sends Open in Browser when
// offer_browser, until page_show tries a page again.
void page_refused(Window* window, bool offer_browser);
// Whether the window says that it cannot show pages.
bool page_cannot_show(const Window* window);

// The page of Run: the field's page written to the process's own folder of
// temporary files; its path, or empty when it could not be written (the
// user was told).
std::string run_page_write();
// The page that Open in Browser opens: the one last translated, run or
// executed.
void last_page_set(const char* path);
// Open in Browser: the last page in the system's default web browser.
void page_open_in_browser();
// Removes the page of Run and its folder (at Quit).
void run_files_remove();

// Check Script: a box with the lines whose translation cannot work.
void script_check_show();
// Help > Examples: after the modified check, the example of the menu id
// in the field, unmodified.
void example_load(int32_t menu_id);

// The Translate command: asks for a page name and writes one page line for
// each line of the editing field, plus an empty last line.
void translate_script();
// Its second half: the page of the editing field written to path. When the
// file cannot be opened or written the user is told; false then.
bool translate_field_to(const char* path);
// The page of the editing field's lines, as Translate writes it.
std::string page_of_field();

// One pass of the line-number gutter: drawn when it is not there yet.
void gutter_draw();
// A repaint of the editor window has erased the gutter.
void gutter_erased();
