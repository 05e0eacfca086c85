// Player mode: a page named app.dat beside the program runs in a browser
// window of its own instead of the editor. Until the browser host exists
// there is nothing to play, and the editor starts.
#include "app/app.h"

void player_start() {}
