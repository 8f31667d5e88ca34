#include "console/system_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/temp_folder.h"

namespace hv {

namespace {

void makeExecutable(const std::string& path, const std::string& content) {
    std::ofstream(path) << content;
    ::chmod(path.c_str(), 0755);
}

}  // namespace

TEST(SystemEnvironment, TheBrowserIsChosenFromBrowserThenThePath) {
    test::TempFolder f;
    // $BROWSER comes first; of a list of browsers the first one is used.
    EXPECT_EQ(chooseBrowser("/opt/web/browser", "/usr/bin"), "/opt/web/browser");
    EXPECT_EQ(chooseBrowser("firefox:chromium", ""), "firefox");

    // Else xdg-open from the PATH, but only a program, not a folder or a plain file.
    std::string bin = f.folder + "bin", other = f.folder + "other", path = other + ":" + bin;
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(other + "/xdg-open");
    makeExecutable(bin + "/xdg-open", "#!/bin/sh\n");
    EXPECT_EQ(chooseBrowser("", path.c_str()), bin + "/xdg-open");
    ::chmod((bin + "/xdg-open").c_str(), 0644);
    EXPECT_EQ(chooseBrowser(nullptr, path.c_str()) + chooseBrowser(nullptr, nullptr), "");
}

TEST(SystemEnvironment, TheBrowserGetsOneArgumentWithoutAShellAndWithoutWaiting) {
    test::TempFolder f;
    std::string script = f.folder + "fake browser.sh", out = f.folder + "argument.txt";
    makeExecutable(script, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + out + ".tmp'\nmv '" +
                               out + ".tmp' '" + out + "'\n");
    std::string argument = f.folder + "my page's \"name\"; rm -rf x $(id) `id`.htm";
    auto started = std::chrono::steady_clock::now();
    startDetached(script, argument);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    for (int i = 0; i < 250 && !f.exists("argument.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(f.readFile("argument.txt"), "1|" + argument);
    startDetached(f.folder + "no-such-program", "x");
}

}  // namespace hv
