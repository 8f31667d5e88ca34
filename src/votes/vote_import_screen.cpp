#include "votes/vote_import_screen.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "app.h"
#include "console/prompts.h"
#include "console/sort_list.h"
#include "database/configuration_screen.h"
#include "database/text_format.h"
#include "votes/mailbox.h"
#include "votes/vote_count.h"
#include "votes/vote_files.h"

namespace hv {

namespace {

using Clock = std::chrono::steady_clock;
// Drawing six counters and showing them for each of a million votes would
// take longer than counting them; a count that moves this often shows the
// work goes on. The figures drawn after the count are always the exact ones.
constexpr auto kProgressInterval = std::chrono::milliseconds(50);
constexpr int kVotesPerClockLook = 64;

void drawImportScreen(App& app) {
    Screen& s = app.screen;
    putTextAt(s, 4, 10, "Processing the Email Voting");
    putTextAt(s, 5, 10, "===========================");
    putWindowText(s, 7, 10, "Import File         : " + app.settings.emailBox);
    moveCursor(s, 8, 10);
    printText(s, "Skip Double Emails  : %s", switchText(app.settings.doubleEmailCheck));
    putTextAt(s, 10, 10, "(G)o  (Q)uit  (C)hange  ");
}

void drawCounters(Screen& s, const VoteCounters& c) {
    const std::pair<int, std::string> lines[] = {
        {12, formatText("Emails         : %5d", c.emails)},
        {13, formatText("Double Emails  : %5d", c.doubleEmails)},
        // Mails carry no address of the voter's machine to compare.
        {14, formatText("Double IP      : %5d", 0)},
        {16, formatText("Valid Votes    : %5d", c.validVotes)},
        {17, formatText("Inserted Songs : %5d", c.insertedSongs)},
        {18, formatText("New User Songs : %5d", c.newUserSongs)},
    };
    for (const auto& [row, text] : lines) putWindowText(s, row, 10, text);
}

// The voted songs become the list: countries as after an import, ranked by
// votes (ties keep the order of their first vote), each song's place its
// position in that order, shown from the top.
void takeVotedList(App& app, const VoteCount& count) {
    SongTable& t = app.songs;
    const int changeCount = t.changeCount;
    t = SongTable{};
    t.count = static_cast<int>(std::min<size_t>(count.songs.size(), kSongCapacity));
    std::copy_n(count.songs.begin(), t.count, t.rows.begin());
    t.changeCount = changeCount + 1;
    applyCountryFile(app.env.workingFolder, t);
    t.sortOrder = kSortVotes;
    sortList(app);
    for (int r = 0; r < t.count; ++r) t.rows[r].place = r + 1;
    t.sortOrder = kSortRanking;
    sortList(app);
    app.firstShownRow = 0;
    app.highlightOffset = 0;
    app.searchPosition = 0;
}

bool askUpdateStatistics(Screen& s) {
    clearDialog(s, kLargeWindow);
    putTextAt(s, 10, 30, "Update Statistics ? ");
    putTextAt(s, 12, 30, "(Y)es  (N)o  ");
    return readChoice(s, "YN", 'N') == 'Y';
}

VoteCount countMailbox(App& app, const MailboxLines& mailbox) {
    Screen& s = app.screen;
    VoteInput input{app.songs, readSenderFile(app.env.workingFolder),
                    app.settings.doubleEmailCheck == kSwitchOn, app.settings.chartYear};
    Clock::time_point lastShown = Clock::now();
    int votes = 0;
    VoteCount count = countVotes(mailbox.lines, std::move(input), [&](const VoteCounters& c) {
        if (++votes % kVotesPerClockLook != 0) return;
        Clock::time_point now = Clock::now();
        if (now - lastShown < kProgressInterval) return;
        lastShown = now;
        drawCounters(s, c);
        pauseScreen(s, 0);
    });
    drawCounters(s, count.counters);
    if (count.counters.beyondCapacity > 0) {
        std::string lost =
            formatText("%d votes for songs beyond the table's capacity were not counted",
                       count.counters.beyondCapacity);
        // Wider than the counters: moved left as far as the frame allows.
        int col = std::clamp(kLargeWindow.right - static_cast<int>(lost.size()), 6, 10);
        putWindowText(s, 19, col, lost);
    }
    putTextAt(s, 20, 10, "Press a Key...  ");
    readChar(s);
    return count;
}

}  // namespace

bool askGoQuitChange(App& app, const std::function<void()>& draw) {
    for (;;) {
        draw();
        switch (readChoice(app.screen, "GQC", 'Q')) {
            case 'G':
                return true;
            case 'C':
                configurationScreen(app);
                clearDialog(app.screen, kLargeWindow);
                break;
            default:
                return false;
        }
    }
}

void putWindowText(Screen& s, int row, int col, std::string_view text) {
    moveCursor(s, row, col);
    putRowText(s, text.substr(0, std::max(0, kLargeWindow.right - col)));
}

void importEmailVotes(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLargeWindow);
    if (!askGoQuitChange(app, [&] { drawImportScreen(app); })) {
        closeDialog(s, saved);
        return;
    }
    const std::string mailboxName = app.settings.emailBox;
    MailboxLines mailbox = readMailbox(app.path(mailboxName));
    if (!mailbox.opened) {
        showMessage(app, formatText("File : %s not present..", mailboxName.c_str()));
        closeDialog(s, saved);
        return;
    }
    VoteCount count = countMailbox(app, mailbox);
    const bool update = askUpdateStatistics(s);
    VoteTotals totals = readVoteTotals(app.env.workingFolder);
    if (update) totals = addedTotals(totals, count.counters);
    // The list is replaced only once the sender list and the totals are kept:
    // a list counted from a mailbox whose account was lost would be counted
    // again, doubles and all, by the next import.
    const std::string failed = writeVoteFiles(app.env.workingFolder, count, totals);
    if (failed.empty()) {
        takeVotedList(app, count);
    } else {
        clearDialog(s, kLargeWindow);
        putWindowText(s, 10, 10,
                      formatText("Votes NOT counted: %s could not be written", failed.c_str()));
        putTextAt(s, 12, 10, "The list is left as it was.");
        putTextAt(s, 20, 10, "Press a Key...  ");
        readChar(s);
    }
    closeDialog(s, saved);
}

}  // namespace hv
