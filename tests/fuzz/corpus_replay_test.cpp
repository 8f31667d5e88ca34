// Every checked-in fuzz input, the minimised findings among them, still holds
// every property of its harness.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "database/text_files.h"
#include "fuzz/harnesses.h"
#include "support/temp_folder.h"

namespace hv {

TEST(FuzzCorpus, EveryInputHoldsItsHarnessProperties) {
    const std::pair<const char*, int (*)(const uint8_t*, size_t)> harnesses[] = {
        {"song_list", fuzzSongList},   {"settings", fuzzSettings},
        {"side_files", fuzzSideFiles}, {"page_template", fuzzPageTemplate},
        {"screens", fuzzScreens},
    };
    for (auto [name, harness] : harnesses) {
        std::vector<std::filesystem::path> inputs;
        for (const auto& entry : std::filesystem::directory_iterator(
                 test::sourcePath(std::string("tests/fuzz/corpus/") + name)))
            inputs.push_back(entry.path());
        EXPECT_FALSE(inputs.empty()) << name;
        std::sort(inputs.begin(), inputs.end());
        for (const auto& input : inputs) {
            std::string bytes = readWholeFile(input).value();
            try {
                harness(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            } catch (const PropertyFailure& failure) {
                ADD_FAILURE() << name << "/" << input.filename().string() << ": " << failure.what;
            }
        }
    }
}

}  // namespace hv
