#include "console/main_commands.h"

#include "app.h"
#include "console/prompts.h"

namespace hv {

bool runCommandKey(App& app, int key) {
    switch (key) {
        case 'E': openInBrowser(app, "index.htm"); return true;
        default: return false;
    }
}

}  // namespace hv
