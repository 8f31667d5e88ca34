// The help screens behind F1: six pages in the large window, paged with
// (B)ack and (M)ore, (E)xplorer opens the site's help page, (Q)uit leaves.
#pragma once

#include <array>
#include <span>

namespace hv {

struct App;

// Rows 6 to 18 of the large window hold a page's text.
constexpr int kHelpFirstTextRow = 6;
constexpr int kHelpTextRows = 13;

struct HelpPage {
    const char* title;                             // at (4, 20)
    int column;                                    // of the text lines
    std::array<const char*, kHelpTextRows> lines;  // rows 6 to 18; null leaves a row empty
    const char* keyLine;                           // at (20, 7)
};

std::span<const HelpPage> helpPages();

// What a typed character does on a page (pages counted from 0).
enum class HelpStep { Ignore, Back, More, Explorer, Leave };
HelpStep helpStep(int page, int ch);

// Shows the help from page 1 until Q, then restores the window underneath.
void showHelp(App& app);

}  // namespace hv
