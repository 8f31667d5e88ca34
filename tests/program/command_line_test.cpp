// The options on the real binary without a terminal: --publish writes what
// the screens' keys write, and a missing template costs only its own pages.
#include "command_line.h"

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

std::pair<int, std::string> run(const std::string& shellLine) {
    FILE* p = ::popen((shellLine + " </dev/null").c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    const int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

void copySample(const std::string& folder) {
    std::filesystem::copy(test::sourcePath("example"), folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

// The pages --publish names on a copy of the sample folder without a file.
std::vector<std::string> publish(const test::TempFolder& f, int status, const char* without = "") {
    copySample(f.folder);
    if (*without) f.removeFile(without);
    auto [code, out] =
        run("cd '" + f.folder + "' && " + HITVAULT_BINARY + " --publish 2>errors.txt");
    EXPECT_EQ(code, status) << f.readFile("errors.txt");
    std::vector<std::string> pages;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.ends_with(" generated")) << line;
        pages.push_back(line.substr(0, line.rfind(" generated")));
    }
    return pages;
}

TEST(CommandLine, HelpVersionAndUnknownOptions) {
    EXPECT_EQ(run(std::string(HITVAULT_BINARY) + " --help"), std::pair(0, usageText()));
    EXPECT_EQ(run(std::string(HITVAULT_BINARY) + " --version").second.rfind("hitvault 1.", 0), 0u);
    auto [code, out] = run(std::string(HITVAULT_BINARY) + " --frobnicate 2>&1 >/dev/null");
    EXPECT_EQ(code, 2);
    EXPECT_NE(out.find("Usage: hitvault [S]"), std::string::npos) << out;
}

TEST(CommandLine, PublishWritesEveryPageAndAMissingTemplateCostsOnlyItsPages) {
    test::TempFolder published;
    const std::vector<std::string> pages = publish(published, 0);
    EXPECT_EQ(published.readFile("errors.txt"), "");

    // The keys on another copy; "n" declines to view a page, "x" passes a notice.
    test::TestApp t;
    copySample(t.folder);
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
    EXPECT_NE(std::find(partial.begin(), partial.end(), "vote.htm"), partial.end());
    EXPECT_FALSE(broken.exists("artist.htm"));
}

}  // namespace hv
