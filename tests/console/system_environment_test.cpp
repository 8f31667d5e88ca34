#include "console/system_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/temp_folder.h"

namespace hv {

// $BROWSER first, else xdg-open on the PATH; one argument, no shell, no waiting.
TEST(SystemEnvironment, ChoosingAndStartingTheBrowser) {
    test::TempFolder f;
    EXPECT_EQ(chooseBrowser("firefox:chromium", "/usr/bin"), "firefox");
    std::string bin = f.folder + "bin", other = f.folder + "other", path = other + ":" + bin;
    std::filesystem::create_directories(other + "/xdg-open");  // a folder is no program
    std::filesystem::create_directories(bin);
    std::string script = bin + "/xdg-open", out = f.folder + "argument.txt";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + out + ".tmp'\nmv '" +
                                 out + ".tmp' '" + out + "'\n";
    ::chmod(script.c_str(), 0755);
    EXPECT_EQ(chooseBrowser("", path.c_str()), script);

    std::string argument = f.folder + "my page's \"name\"; rm -rf x $(id) `id`.htm";
    startDetached(script, argument);
    for (int i = 0; i < 250 && !f.exists("argument.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(f.readFile("argument.txt"), "1|" + argument);
    ::chmod(script.c_str(), 0644);
    EXPECT_EQ(chooseBrowser(nullptr, path.c_str()), "");
}

}  // namespace hv
