// "hitvault --publish" on copies of the sample folder: the pages come out
// with the bytes the screens' keys write, and a missing template costs only
// its own pages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "console/main_commands.h"
#include "database/working_list.h"
#include "support/test_app.h"

namespace hv {

namespace {

struct Published {
    int status;
    std::vector<std::string> pages;  // named on standard output
    std::string errors;
};

Published publishIn(const std::string& folder) {
    std::string command =
        "cd '" + folder + "' && " + HITVAULT_BINARY + " --publish 2>hitvault-errors.txt </dev/null";
    FILE* p = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    int status = ::pclose(p);
    Published result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, ""};
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const std::string tail = " generated";
        EXPECT_TRUE(line.ends_with(tail)) << line;
        result.pages.push_back(line.substr(0, line.size() - tail.size()));
    }
    result.errors = readWholeFile(folder + "hitvault-errors.txt").value_or("");
    return result;
}

void copySample(const std::string& folder) {
    std::filesystem::copy(test::sourcePath("example"), folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

TEST(Publish, SameBytesAsTheScreensAndAMissingTemplateCostsOnlyItsPages) {
    test::TempFolder published;
    copySample(published.folder);
    Published run = publishIn(published.folder);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");

    // The same pages through the keys of a fresh run on another copy.
    test::TestApp t;
    copySample(t.folder);
    WorkingList list = loadWorkingList(t.folder, t.app.env.currentYear);
    ASSERT_TRUE(list.loaded) << list.problem;
    t.app.songs = list.songs;
    t.app.settings = list.settings;
    t.app.links = list.links;
    const struct {
        int command;
        const char* keys;  // "n" declines each offer to view the page, "x" passes a notice
    } keyRuns[] = {{'H', "n"},    {'V', "n"},   {'A', "GnQ"},   {'Y', "GnQ"}, {'D', "GnQ"},
                   {'C', "xGnQ"}, {'T', "HnQ"}, {'B', "GnSnQ"}, {'S', "GnQ"}};
    for (const auto& k : keyRuns) {
        t.keys.text(k.keys);
        runCommandKey(t.app, k.command);
    }
    EXPECT_GE(run.pages.size(), 12u);
    for (const std::string& page : run.pages)
        EXPECT_EQ(published.readFile(page), t.readFile(page)) << page;
    EXPECT_TRUE(published.readFile("mysongs.txt") ==
                readWholeFile(test::sourcePath("example/mysongs.txt")));

    test::TempFolder broken;
    copySample(broken.folder);
    broken.removeFile("base2.htm");
    Published partial = publishIn(broken.folder);
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(
        partial.errors.find("hitvault: artist.htm not written: base2.htm template not present"),
        std::string::npos)
        << partial.errors;
    for (const char* page : {"htm/top00000.htm", "vote.htm"}) {
        EXPECT_NE(std::find(partial.pages.begin(), partial.pages.end(), page), partial.pages.end())
            << page;
    }
    EXPECT_FALSE(broken.exists("artist.htm"));
}

}  // namespace hv
