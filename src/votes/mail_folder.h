// Gathering the vote messages of a mail folder into the mailbox.
#pragma once

#include <optional>
#include <string>

namespace hv {

// "Subject: " followed by the setting.
std::string subjectMarker(const std::string& subjectHeader);

// Copies every ordinary, not hidden file of `folder` that holds the marker on
// any line, in file-name order, each followed by "\n\n", into the mailbox
// (written whole). The mailbox itself is passed over when it lies in the
// folder. The number of messages copied; nothing when the mailbox cannot be
// written. A missing folder gives an empty mailbox and 0.
std::optional<int> convertMailFolder(const std::string& folder, const std::string& mailboxPath,
                                     const std::string& subjectHeader);

}  // namespace hv
