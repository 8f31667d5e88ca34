// The whole program through the scripted screen: a settings file, a song
// list and the keys, cut from one input; the cursor never leaves the screen
// and the table never leaves its rows. Running out of keys ends the run.
#include "app.h"
#include "console/terminal/scripted_backend.h"
#include "database/settings.h"
#include "database/song_file.h"
#include "database/startup_screen.h"
#include "fuzz/harnesses.h"
#include "support/temp_folder.h"

namespace hv {

namespace {

// Bytes 0x80 to 0xDF press these keys; all others are typed.
constexpr int kSpecialKeys[] = {
    kKeyF1,     kKeyF2,       kKeyF3,        kKeyF4,   kKeyF5,     kKeyF6,     kKeyF7,   kKeyF8,
    kKeyF9,     kKeyF10,      kKeyF11,       kKeyF12,  kKeyInsert, kKeyDelete, kKeyHome, kKeyEnd,
    kKeyPageUp, kKeyPageDown, kKeyUp,        kKeyDown, kKeyLeft,   kKeyRight,  kKeyPlus, kKeyMinus,
    kKeyEscape, kKeyEnter,    kKeyBackspace, kKeyTab,  kKeyNone};

struct CheckedBackend : ScriptedBackend {
    explicit CheckedBackend(const App& a) : app_(a) {}
    void present(const CellGrid&, int row, int col) override {
        require(row >= 0 && row < kScreenRows && col >= 0 && col < kScreenCols,
                "the cursor left the screen");
        require(app_.songs.count >= 0 && app_.songs.count <= kSongCapacity,
                "the song count left the table");
    }
    const App& app_;
};

// Without a '/' every name the run may use stays in the working folder.
std::string withoutSlashes(std::string text) {
    std::erase(text, '/');
    return text;
}

}  // namespace

int fuzzScreens(const uint8_t* data, size_t size) {
    std::vector<std::string> parts = splitInput(data, size, 3);
    test::TempFolder f;
    if (!parts[0].empty()) f.writeFile(kSettingsFile, withoutSlashes(parts[0]));
    f.writeFile("mysongs.txt", formatSongFileHeader(2026) + parts[1]);
    for (const char* page : {"base.htm", "base2.htm", "formbase.htm"})
        f.writeFile(page, "<TITLE>..\n<pre>\nTEXT HERE\n</pre>\n");

    App app;
    app.env.workingFolder = f.folder;
    app.env.startBrowser = [](const std::string&, const std::string&) {};
    app.env.runCommand = [](const std::string&) {};
    app.browserProgram = "browser";
    auto* keys = new CheckedBackend(app);
    app.screen.backend.reset(keys);

    std::string typed = withoutSlashes(parts[2]).substr(0, 4000);
    for (unsigned char c : typed) {
        if (c >= 0x80 && c < 0xE0)
            keys->key(kSpecialKeys[(c - 0x80) % std::size(kSpecialKeys)]);
        else
            keys->text(std::string(1, static_cast<char>(c)));
    }
    try {
        runProgram(app, {"S"});
    } catch (const ScriptExhausted&) {
    }
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzScreens)
