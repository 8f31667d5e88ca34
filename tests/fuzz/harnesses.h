// The fuzz harnesses: each feeds one input to a reader of the program and
// checks what must hold for every input, not only that nothing crashes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

int fuzzSongList(const uint8_t* data, size_t size);
int fuzzSettings(const uint8_t* data, size_t size);
int fuzzSideFiles(const uint8_t* data, size_t size);
int fuzzPageTemplate(const uint8_t* data, size_t size);
int fuzzScreens(const uint8_t* data, size_t size);
int fuzzMailVotes(const uint8_t* data, size_t size);

// Not a std::exception, so that no catch inside the program can swallow it.
// libFuzzer stops at once instead, keeping the input.
struct PropertyFailure {
    std::string what;
};

inline void require(bool holds, const char* what) {
    if (holds) return;
#ifdef HITVAULT_LIBFUZZER
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
#else
    throw PropertyFailure{what};
#endif
}

// The input cut at record separators (0x1E) into exactly `parts` texts.
std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t parts);

// Only the program's own tags, each whole on its line, links to http(s) only,
// no NUL or CR, and no '<' or '>' of a name.
void requireWellFormedBody(std::string_view body);

// Every song stands on a row ("  artist - song ") escaped and whole.
void requireRowsShowNames(std::string_view body, const SongTable& songs);

}  // namespace hv

#ifdef HITVAULT_LIBFUZZER
#define HV_FUZZ_ENTRY(harness)                                                \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
        return hv::harness(data, size);                                       \
    }
#else
#define HV_FUZZ_ENTRY(harness)
#endif
