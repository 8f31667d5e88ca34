// Every checked-in fuzz input, the minimised findings among them, still holds
// every property of its harness.
#include <gtest/gtest.h>

#include <filesystem>

#include "database/text_files.h"
#include "fuzz/harnesses.h"
#include "support/temp_folder.h"

namespace hv {

TEST(FuzzCorpus, EveryInputHoldsItsHarnessProperties) {
    const std::pair<const char*, int (*)(const uint8_t*, size_t)> harnesses[] = {
        {"song_list", fuzzSongList},   {"settings", fuzzSettings},
        {"side_files", fuzzSideFiles}, {"page_template", fuzzPageTemplate},
        {"screens", fuzzScreens},      {"mail_votes", fuzzMailVotes},
    };
    for (auto [name, harness] : harnesses) {
        int inputs = 0;
        for (const auto& input : std::filesystem::directory_iterator(
                 test::sourcePath(std::string("tests/fuzz/corpus/") + name))) {
            ++inputs;
            std::string bytes = readWholeFile(input.path()).value();
            try {
                harness(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            } catch (const PropertyFailure& failure) {
                ADD_FAILURE() << name << "/" << input.path().filename().string() << ": "
                              << failure.what;
            }
        }
        EXPECT_GT(inputs, 0) << name;
    }
}

}  // namespace hv
