#include "support/test_app.h"

#include <cstdlib>
#include <fstream>
#include <memory>

#include "console/terminal/glyphs.h"

namespace hv::test {

namespace {

ScriptedBackend& installScript(App& app) {
    auto backend = std::make_unique<ScriptedBackend>();
    ScriptedBackend& ref = *backend;
    app.screen.backend = std::move(backend);
    openScreen(app.screen);
    return ref;
}

// Box-drawing and Windows-1252 glyphs all lie below U+10000.
void appendUtf8(std::string& out, char32_t c) {
    auto byte = [](char32_t b) { return static_cast<char>(b); };
    if (c < 0x80)
        out += byte(c);
    else if (c < 0x800)
        out += {byte(0xC0 | (c >> 6)), byte(0x80 | (c & 0x3F))};
    else
        out += {byte(0xE0 | (c >> 12)), byte(0x80 | ((c >> 6) & 0x3F)), byte(0x80 | (c & 0x3F))};
}

std::string picture(const Screen& s) {
    std::string out;
    for (const auto& row : s.cells) {
        std::string line;
        for (const Cell& c : row) appendUtf8(line, cellGlyph(c));
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace

TestApp::TestApp() : keys(installScript(app)) {
    app.env.workingFolder = folder;
    app.env.currentYear = 2026;
    app.env.startBrowser = [this](const std::string& program, const std::string& path) {
        browserCalls.emplace_back(program, path);
    };
    app.env.runCommand = [this](const std::string& command) { commands.push_back(command); };
    app.browserProgram = "/usr/bin/fake-browser";
    app.settings = defaultSettings(app.env.currentYear);
}

testing::AssertionResult shows(const TestApp& t, const std::vector<Shown>& expected) {
    std::string wrong;
    for (const Shown& e : expected) {
        std::string got = t.row(e.row).substr(e.col, e.text.size());
        if (got != e.text)
            wrong += "\n  row " + std::to_string(e.row) + " column " + std::to_string(e.col) +
                     ": \"" + got + "\", expected \"" + e.text + "\"";
    }
    if (wrong.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the screen differs:" << wrong << "\n" << t.screen();
}

testing::AssertionResult showsGolden(const TestApp& t, const std::string& goldenPath) {
    std::string shown = picture(t.app.screen);
    if (std::getenv("HITVAULT_UPDATE_GOLDEN")) std::ofstream(sourcePath(goldenPath)) << shown;
    std::string golden = readWholeFile(sourcePath(goldenPath)).value_or("(missing)\n");
    if (shown == golden) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the screen:\n"
                                       << shown << "differs from " << goldenPath << ":\n"
                                       << golden;
}

}  // namespace hv::test
