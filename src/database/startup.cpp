#include "database/startup.h"

#include "app.h"
#include "console/prompts.h"

namespace hv {

// Interim entry until the main list exists: a framed dialog with line input.
int runProgram(App& app, const std::vector<std::string>&) {
    Screen& s = app.screen;
    try {
        openScreen(s);
        SavedRegion saved = openDialog(s, kMessageBox);
        moveCursor(s, 8, 26);
        putText(s, "HITVAULT Statistics");
        moveCursor(s, 10, 26);
        putText(s, "Your name : ");
        std::string name = readLine(s, 20);
        closeDialog(s, saved);
        moveCursor(s, 0, 0);
        eraseToEndOfScreen(s);
        closeScreen(s);
        return 0;
    } catch (const ProgramExit& e) {
        closeScreen(s);
        return e.status;
    }
}

}  // namespace hv
