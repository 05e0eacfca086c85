// Recovery of unsaved text: while the editing field holds changes that no
// Save stored, its text is kept in a recovery file of this editor's own in
// %LOCALAPPDATA%\Tolvane, so that a crash or a killed process loses at most
// the last moments of typing. The next editor to start offers it back.
#pragma once

// At the editor's start: offers the text of an editor that closed before
// saving it (a Yes/No box titled "Recovery"), then claims this editor's own
// recovery file. An editor that is still running is never asked about.
void recovery_start();
// The field's text changed.
void recovery_note_change();
// From the main loop, never while a keystroke waits: writes the field's
// text to the recovery file within 2 seconds of its last change, and
// removes the file once nothing is unsaved.
void recovery_tick();
// Quit: nothing of this editor's is to be offered again.
void recovery_stop();
