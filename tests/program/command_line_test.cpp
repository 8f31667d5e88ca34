// The options, run on the real binary without a terminal. --publish writes
// the bytes the screens' keys write, leaves the list as it was, and a missing
// template costs only its own pages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "console/main_commands.h"
#include "database/text_files.h"
#include "database/working_list.h"
#include "support/test_app.h"

namespace hv {
namespace {

struct Output {
    int status;
    std::string out;  // standard output
};

Output run(const std::string& shellLine) {
    FILE* p = ::popen((shellLine + " </dev/null").c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    const int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Runs --publish on a copy of the sample folder without the named file; the
// pages it names ("<page> generated" lines).
std::vector<std::string> publish(const test::TempFolder& f, int status, const char* without = "") {
    std::filesystem::copy(test::sourcePath("example"), f.folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    if (*without) f.removeFile(without);
    Output r = run("cd '" + f.folder + "' && " + HITVAULT_BINARY + " --publish 2>errors.txt");
    EXPECT_EQ(r.status, status) << f.readFile("errors.txt");
    std::vector<std::string> pages;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.ends_with(" generated")) << line;
        pages.push_back(line.substr(0, line.rfind(" generated")));
    }
    return pages;
}

TEST(CommandLine, HelpVersionAndUnknownOptions) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"--help 2>/dev/null", 0, "Usage: hitvault [S]"},
        {"S --help 2>/dev/null", 0, "BROWSER"},
        {"--version 2>/dev/null", 0, "hitvault 1."},
        {"--frobnicate 2>&1 >/dev/null", 2, "Usage: hitvault [S]"},
        {"-s 2>&1 >/dev/null", 2, "--keys"},
    };
    for (const auto& [args, status, shows] : cases) {
        Output r = run(std::string(HITVAULT_BINARY) + " " + args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_NE(r.out.find(shows), std::string::npos) << args << ":\n" << r.out;
    }
}

TEST(CommandLine, PublishWritesEveryPageAndAMissingTemplateCostsOnlyItsPages) {
    test::TempFolder published;
    const std::vector<std::string> pages = publish(published, 0);
    EXPECT_EQ(published.readFile("errors.txt"), "");

    // The same pages through the keys of a run on another copy; "n" declines
    // each offer to view a page, "x" passes a notice.
    test::TestApp t;
    std::filesystem::copy(test::sourcePath("example"), t.folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    WorkingList list = loadWorkingList(t.folder, t.app.env.currentYear);
    ASSERT_TRUE(list.loaded) << list.problem;
    std::tie(t.app.songs, t.app.settings, t.app.links) =
        std::tie(list.songs, list.settings, list.links);
    const std::pair<char, const char*> keyRuns[] = {{'H', "n"},   {'V', "n"},     {'A', "GnQ"},
                                                    {'Y', "GnQ"}, {'D', "GnQ"},   {'C', "xGnQ"},
                                                    {'T', "HnQ"}, {'B', "GnSnQ"}, {'S', "GnQ"}};
    for (auto [command, keys] : keyRuns) {
        t.keys.text(keys);
        runCommandKey(t.app, command);
    }
    EXPECT_GE(pages.size(), 12u);
    for (const std::string& page : pages)
        EXPECT_EQ(published.readFile(page), t.readFile(page)) << page;
    EXPECT_TRUE(published.readFile("mysongs.txt") ==
                readWholeFile(test::sourcePath("example/mysongs.txt")));

    test::TempFolder broken;
    const std::vector<std::string> partial = publish(broken, 1, "base2.htm");
    EXPECT_NE(broken.readFile("errors.txt")
                  .find("hitvault: artist.htm not written: base2.htm template not present"),
              std::string::npos);
    for (const char* page : {"htm/top00000.htm", "vote.htm"})
        EXPECT_NE(std::find(partial.begin(), partial.end(), page), partial.end()) << page;
    EXPECT_FALSE(broken.exists("artist.htm"));
}

}  // namespace
}  // namespace hv
