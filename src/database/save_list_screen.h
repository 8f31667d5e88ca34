// The save dialogs that write the Song table back to the song database file:
// F4 (save and go on) and Q (offer to save, then end the program).
#pragma once

#include <string>

namespace hv {

struct App;

// Writes the list to the database file, with a backup generation of the bytes
// it replaces. False, after telling the user, when it cannot be written or the
// table never held the file's songs; the old file is then left as it was.
bool writeSongList(App& app);

// F4: sorts on Ranking and asks whether to save, under the same or a new name.
void saveList(App& app);

// Q: with changes, the same question with (E)xit; then ends the program. When
// the list could not be written the program goes on, so nothing is lost.
void quitProgram(App& app);

}  // namespace hv
