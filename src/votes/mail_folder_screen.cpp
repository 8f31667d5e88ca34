#include "votes/mail_folder_screen.h"

#include <optional>

#include "app.h"
#include "database/text_format.h"
#include "votes/mail_folder.h"
#include "votes/vote_import_screen.h"

namespace hv {

void convertOutlookFolder(App& app) {
    Screen& s = app.screen;
    const Settings& settings = app.settings;
    SavedRegion saved = openDialog(s, kLargeWindow);
    bool go = askGoQuitChange(app, [&] {
        putTextAt(s, 4, 10, "Convert Emails from Outlook");
        putTextAt(s, 5, 10, "===========================");
        putWindowText(s, 7, 10, "Import Folder       : " + settings.outlookFolder);
        putWindowText(s, 8, 10, "Output to           : " + settings.emailBox);
        putWindowText(s, 9, 10, "Subject             : " + settings.subjectHeader);
        putTextAt(s, 11, 10, "(G)o  (Q)uit  (C)hange  ");
    });
    if (go) {
        std::optional<int> found = convertMailFolder(
            app.path(settings.outlookFolder), app.path(settings.emailBox), settings.subjectHeader);
        if (found)
            putWindowText(s, 15, 10, formatText("%d emails found ", *found));
        else
            putWindowText(s, 15, 10, "Could not write " + settings.emailBox + " ");
        readChar(s);
    }
    closeDialog(s, saved);
}

}  // namespace hv
