#include "html/publish_screen.h"

#include "app.h"
#include "console/prompts.h"

namespace hv {

bool reportPageStatus(App& app, PageStatus status, const std::string& templateName,
                      const std::string& pageName) {
    switch (status) {
        case PageStatus::written:
            return true;
        case PageStatus::templateMissing:
            moveCursor(app.screen, 23, 2);
            printText(app.screen, "Obliged file %s not present....", templateName.c_str());
            readChar(app.screen);
            return false;
        case PageStatus::pageNotWritten:
            showMessage(app, "Could not write " + pageName + " ");
            return false;
    }
    return false;
}

bool writePage(App& app, const std::string& templateName, const std::string& pageName,
               const std::string& titleLine, const BodyWriter& body, MarkerScan scan) {
    PageStatus status =
        writeTemplatePage(app.env.workingFolder, templateName, pageName, titleLine, body, scan);
    return reportPageStatus(app, status, templateName, pageName);
}

void offerPage(App& app, const std::string& pagePath, const std::string& message) {
    app.messageText = message;
    app.pagePath = pagePath;
    offerView(app);
}

void publishPage(App& app, const std::string& templateName, const std::string& pageName,
                 const std::string& titleLine, const BodyWriter& body) {
    if (writePage(app, templateName, pageName, titleLine, body))
        offerPage(app, pageName, pageName + " generated...");
}

}  // namespace hv
