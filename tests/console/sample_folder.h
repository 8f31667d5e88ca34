// A sample-folder copy for the end-to-end tests, and a key press that waits for the screen.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "database/text_files.h"
#include "support/test_app.h"
#include "support/tmux_session.h"

namespace hv::test {

// A copy of example/ with a sound player and browser that log their calls to <name>.log.
struct SampleFolder {
    std::string path =
        std::filesystem::temp_directory_path() / ("hitvault-sample-" + std::to_string(getpid()));
    SampleFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::copy(sourcePath("example"), path,
                              std::filesystem::copy_options::recursive);
        std::filesystem::create_directory(path + "/.bin");
        for (std::string name : {"sbplay", "fake-browser"}) {
            std::ofstream(path + "/.bin/" + name)
                << "#!/bin/sh\necho \"$@\" >> " << name << ".log\n";
            std::filesystem::permissions(path + "/.bin/" + name, std::filesystem::perms::owner_all);
        }
    }
    ~SampleFolder() { std::filesystem::remove_all(path); }
    std::vector<std::string> environment() const {
        return {"PATH=" + path + "/.bin:" + std::getenv("PATH"),
                "BROWSER=" + path + "/.bin/fake-browser"};
    }
    std::string file(const std::string& name) const {
        return readWholeFile(path + "/" + name).value_or("(none)");
    }
};

// Sends a key, then waits for a text to show.
inline testing::AssertionResult press(TmuxSession& tmux, const std::string& key,
                                      const std::string& shown) {
    tmux.sendKeys(key);
    if (tmux.waitFor(shown)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no \"" << shown << "\" after " << key << ":\n"
                                       << tmux.capture();
}

}  // namespace hv::test
