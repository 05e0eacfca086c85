// Texts of the help message boxes, word for word, and of About.
#include "app/help_texts.h"

#include "app/menu_ids.h"
#include "tolvane_version.h"

namespace {
const HelpText kHelp[] = {
    {MENU_IDE_REFERENCE, "IDE Reference",
     "Select translate from the script menu to translate the current file being edited to a new Javascript/Html "
     "file. Select execute from the script menu to open a translated script file. Select restart from the script "
     "menu to start the current script being executed over again. Select kill from the script menu to stop the "
     "current script being executed."},
    {MENU_LANGUAGE_REFERENCE, "Language Reference",
     "Semicolons are not required at the end of statements. Calculations, if, switch, for, while, and all other "
     "standard Javascript syntax pass through the translator.\r\n\r\nMacro Commands:\r\n\r\n@html\r\n@script\r\n"
     "def variablename\r\nrand variablename,range\r\nprint quotedtextorvariable\r\nwrite "
     "quotedtextorvariable\r\nalert quotedtextorvariable\r\nstatic id,title\r\nupdate "
     "id,quotedtextorvariable\r\nbutton function,text\r\ninputstr id,stringvariable\r\ninputint "
     "id,integervariable\r\ntextbox id"},
    {MENU_FILE_HELP, "File Help",
     "Select new from the file menu the begin editing a new file.\r\n\r\nSelect load from the file menu to load an "
     "existing file.\r\n\r\nSelect save from the file menu to save the file currently being edited.\r\n\r\nSelect "
     "print from the file menu to send the contents of the current file being edited to the printer."},
    {MENU_EDIT_HELP, "Edit Help",
     "Select undo from the edit menu to reverse the last edit action.\r\n\r\nSelect a portion of text and then "
     "select cut from the edit menu to cut text to the system clipboard.\r\n\r\nSelect a portion of text and then "
     "select copy from the edit menu to copy text to the system clipboard.\r\n\r\nSelect a portion of text and "
     "then select cut from the edit menu to cut text to the system clipboard. Select select all from the edit menu "
     "to select all of the text in the current file being edited."},
    {MENU_VIEW_HELP, "View Help",
     "Select line count from the view menu to count the total lines in the current document being "
     "edited.\r\n\r\nSelect line numbers to toggle the line number display on and off.\r\n\r\nSelect memory limit "
     "to view the remaining free bytes."},
    {MENU_SEARCH_HELP, "Search Help",
     "Select search from the search menu, type a string, and press find next to search the current file being "
     "edited for a line containing the string.\r\n\r\nSearches begin where the file is currently being "
     "viewed.\r\n\r\nSearches are not case sensitive. "},
};
} // namespace

const HelpText* help_text_of(int32_t menu_id) {
  for (const HelpText& h : kHelp)
    if (h.menu_id == menu_id) return &h;
  return nullptr;
}

const char* const ABOUT_TITLE = "About";
const char* const ABOUT_TEXT = "Tolvane\r\n"
                               "\r\n"
                               "Version " TOLVANE_VERSION "\r\n"
                               "A script editor and page translator by the Tolvane contributors\r\n"
                               "Made by the Tolvane Workshop, 2026\r\n"
                               "https://tolvane.example";
