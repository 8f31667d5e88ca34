// The mail folder conversion (O): the vote messages of the mail folder
// gathered into the mailbox that the vote import reads.
#pragma once

namespace hv {

struct App;

void convertOutlookFolder(App& app);

}  // namespace hv
