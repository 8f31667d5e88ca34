#include "console/help.h"

#include "app.h"
#include "console/prompts.h"
#include "console/terminal/screen.h"

namespace hv {

namespace {

constexpr const char* kHelpSiteFile = "hit-vault.htm";
constexpr const char* kMoreKeys = "(M)ore (E)xplorer (Q)uit ";
constexpr const char* kMiddleKeys = "(B)ack (M)ore (E)xplorer (Q)uit ";
constexpr const char* kLastKeys = "(B)ack (E)xplorer (Q)uit         ";

constexpr HelpPage kPages[] = {
    {"        Key Operations (1)  ",
     10,
     {"F1       - This Help Menu                                    ",
      "F2       - Edit Song                                         ",
      "F3       - Mark Song and Move it up (or down)                ",
      "F4       - Save Changes                                      ", nullptr,
      "F5       - Append Songs (from another text-file)             ",
      "F6       - Sort the List on Artist                           ",
      "F7       - Sort the List on Song                             ",
      "F8       - Sort the List on Number of Votes                  ",
      "F9       - Sort the List on Ranking (original state)         ",
      "F10      - Edit Configuration                                ",
      "F11      - Import Email Votes                                ",
      "F12      - Quick Vote Overview                               "},
     kMoreKeys},
    {"        Key Operations (2)  ",
     10,
     {"Delete     - Delete a Song from the List                     ",
      "Insert     - Add a New Song to the List                      ", nullptr,
      "Home       - Top of the List                                 ",
      "End        - End of the List                                 ", nullptr,
      "Page-Up    - One Page Up                                     ",
      "Page-Down  - One Page Down                                   ", nullptr,
      "Arrow-Up   - Scroll Up                                       ",
      "Arrow-Down - Scroll Down                                     ", nullptr, nullptr},
     kMoreKeys},
    {"        Function Description",
     7,
     {"(I)mport - Load Song Database. Reads the chart from a text-file,  ",
      "currently over 3600 songs, and replaces the whole list. With F5   ",
      "(Append Songs) you can add the songs of another file to the list. ", " ",
      "(F)ind   - To search the list on Artist or Song, or type a Place. ",
      "(N)ext to find the next item and (P) to find the one before.      ", " ",
      "(A)rtist - Show the most popular artists. An artist needs a       ",
      "minimum of 5 songs to be ranked; the best song is the first in    ",
      "the list. You can change the minimum with the (+) and             ",
      "(-) keys. With (M)ode another formula (Songs, Average, Popular)   ",
      "is used that calculates the ranking. (G)enerate: artist.htm.      ", nullptr},
     kMiddleKeys},
    {"        Function Description (2)",
     7,
     {"(Y)ear   - Show the most popular Years of Pop. With (M)ode you    ",
      "can toggle the formula that puts the years in order to make       ",
      "the Best Years of Pop List. The ranking is either                 ",
      "1) based on the number of songs; or                               ",
      "2) based on average place in the List.                            ", " ",
      "(D)ecade - Show the most popular Decade of Pop. With (M)ode you   ",
      "can toggle the formula that puts the decades in order to make     ",
      "the Best Decades of Pop List. The ranking is either               ",
      "1) based on the number of songs; or                               ",
      "2) based on average place in the List.                            ", " ",
      "(S)ongs  - List all New and/or disappeared songs.                 "},
     kMiddleKeys},
    {"        Function Description (3)",
     7,
     {"(B)and    - Song Overview by Most Popular Band. With (M)ode the   ",
      "List is presented on Alphabet. Use the (+) and (-)                ",
      "keys to increase the minimum number of Songs. (S)cript: vote.htm  ", " ",
      "(C)ountry - Show the most popular Countries. You can set (1-20)   ",
      "the number of Songs using the (+) and (-) keys. Best placed first.",
      "With (S)ort you can toggle the order of the Countries List.       ",
      "There are 3 options: 1) Sorted on Most Songs, 2) Sorted on        ",
      "Most Artists and 3) Sorted on Alphabet. Codes: see country.txt.   ", " ",
      "(H)TML    - The heart of the program, writes the chart, in pages, ",
      "to a HTML file for your Internet Browser. (V): one summary page.  ",
      "Use (E)xplorer to view all generated statistics.                  "},
     kMiddleKeys},
    {"        Function Description (4)",
     7,
     {"(T)ime   - Show the longest and/or shortest songs with the        ",
      "total playing time. (B)and calculates the total and (A)verage     ",
      "time by Artist. (H)TML writes the list to a HTML file.            ", " ",
      "(L)imit  - Limit the number of Songs to Import. Handy for         ",
      "limited Lists such as a TOP-1000, TOP-500 or a                    ",
      "TOP-100 List etc.etc. An empty answer gives 10,007 songs          ",
      "and maximum number of Songs is 10,000.                            ", " ",
      "(O)utlook- Converts Votes received with Outlook Express to the    ",
      "proper format. See also [F11] - Import Email Votes.               ", " ",
      "(Q)uit   - Quit the program or return to main screen.             "},
     kLastKeys},
};

constexpr int kPageCount = static_cast<int>(std::size(kPages));

void drawHelpPage(Screen& s, const HelpPage& page) {
    clearDialog(s, kLargeWindow);
    moveCursor(s, 4, 20);
    putText(s, page.title);
    for (int i = 0; i < kHelpTextRows; ++i) {
        if (!page.lines[i]) continue;
        moveCursor(s, kHelpFirstTextRow + i, page.column);
        putText(s, page.lines[i]);
    }
    moveCursor(s, 20, 7);
    putText(s, page.keyLine);
    syncCursor(s);
}

}  // namespace

std::span<const HelpPage> helpPages() {
    return kPages;
}

HelpStep helpStep(int page, int ch) {
    // A console that can no longer be read leaves the help instead of
    // waiting for a key that never comes.
    if (ch < 0) return HelpStep::Leave;
    switch (upperCase(static_cast<char>(ch))) {
        case 'B':
            return page > 0 ? HelpStep::Back : HelpStep::Ignore;
        case 'M':
            return page < kPageCount - 1 ? HelpStep::More : HelpStep::Ignore;
        case 'E':
            return HelpStep::Explorer;
        case 'Q':
            return HelpStep::Leave;
        default:
            return HelpStep::Ignore;
    }
}

void showHelp(App& app) {
    Screen& s = app.screen;
    SavedRegion saved;
    saveRegion(s, saved, kLargeWindow.top, kLargeWindow.left, kLargeWindow.bottom,
               kLargeWindow.right);
    int page = 0;
    drawHelpPage(s, kPages[page]);
    for (;;) {
        switch (helpStep(page, readChar(s))) {
            case HelpStep::Back:
                drawHelpPage(s, kPages[--page]);
                break;
            case HelpStep::More:
                drawHelpPage(s, kPages[++page]);
                break;
            case HelpStep::Explorer:
                openInBrowser(app, kHelpSiteFile);
                break;
            case HelpStep::Leave:
                closeDialog(s, saved);
                return;
            case HelpStep::Ignore:
                break;
        }
    }
}

}  // namespace hv
