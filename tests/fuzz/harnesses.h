// The fuzz harnesses: each feeds one input to a reader of the program (a
// song list, the settings, the side files, a page template, the keyboard)
// and checks what must hold for every input, not only that nothing crashes.
// libFuzzer runs them for as long as asked; the corpus replay runs every
// checked-in input through them with each test run.
#pragma once

#include <cstddef>
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

// Not a std::exception, so that no catch inside the program can swallow it.
struct PropertyFailure {
    std::string what;
};

// A property that does not hold stops libFuzzer at once (it then keeps the
// input); the replay reports it with the input's name.
inline void require(bool holds, const char* what) {
    if (holds) return;
#ifdef HITVAULT_LIBFUZZER
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
#else
    throw PropertyFailure{what};
#endif
}

// The input cut at its first parts - 1 record separators (0x1E); always
// exactly `parts` texts, the missing ones empty.
std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t parts);

// A page body holds only the program's own tags, each closed on its line,
// with balanced quotes and links to http:// or https:// addresses only; no
// NUL or CR reaches it, and no '<' or '>' of a name.
void requireWellFormedBody(std::string_view body);

// Every song of the table stands on a row of the body ("  artist - song ")
// escaped and whole, a NUL or CR of a name shown as a blank.
void requireRowsShowNames(std::string_view body, const SongTable& songs);

}  // namespace hv

// The entry point libFuzzer calls, for the one harness a fuzz program holds.
#ifdef HITVAULT_LIBFUZZER
#define HV_FUZZ_ENTRY(harness)                                                \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
        return hv::harness(data, size);                                       \
    }
#else
#define HV_FUZZ_ENTRY(harness)
#endif
