// A page from the sample template, which declares UTF-8, as a real browser
// reads it: headless Chromium's document must hold the names as typed.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "database/text_files.h"
#include "html/page_template.h"
#include "support/form_browser.h"
#include "support/temp_folder.h"

namespace hv {

TEST(Utf8PageBrowser, NamesReadAsTyped) {
    test::TempFolder f;
    f.writeFile("base2.htm", readWholeFile(test::sourcePath("example/base2.htm")).value());
    ASSERT_EQ(writeTemplatePage(f.folder, "base2.htm", "artist.htm", "<TITLE>Top 2026</TITLE>\n",
                                [](std::string& out) { out += "Beyonc\xE9 \x96 \x80uro\n"; }),
              PageStatus::written);
    pid_t browser = test::startChromium(f.folder, "artist.htm");
    ASSERT_GT(browser, 0) << "cannot start a process for chromium";
    // Chromium prints the document and ends by itself.
    for (int waited = 0; waited < 600 && ::waitpid(browser, nullptr, WNOHANG) == 0; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::string logTail = test::stopChromium(browser, f.folder);
    EXPECT_NE(f.readFile("log").find("Beyonc\xC3\xA9 \xE2\x80\x93 \xE2\x82\xACuro"),
              std::string::npos)
        << logTail;
}

}  // namespace hv
