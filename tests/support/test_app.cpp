#include "support/test_app.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace hv::test {

namespace {

ScriptedBackend& installScript(App& app) {
    auto backend = std::make_unique<ScriptedBackend>();
    ScriptedBackend& ref = *backend;
    app.screen.backend = std::move(backend);
    openScreen(app.screen);
    return ref;
}

std::string makeTempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hitvault-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary folder");
    return std::string(name.data()) + "/";
}

}  // namespace

TestApp::TestApp() : keys(installScript(app)), folder(makeTempFolder()) {
    app.env.workingFolder = folder;
    app.env.currentYear = 2026;
    app.env.startBrowser = [this](const std::string& program, const std::string& path) {
        browserCalls.emplace_back(program, path);
    };
    app.env.runCommand = [this](const std::string& command) { commands.push_back(command); };
    app.browserProgram = "/usr/bin/fake-browser";
    app.settings = defaultSettings(app.env.currentYear);
}

TestApp::~TestApp() {
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder, ignored);
}

void TestApp::writeFile(const std::string& name, const std::string& content) const {
    std::filesystem::path p(folder + name);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << content;
}

std::string TestApp::readFile(const std::string& name) const {
    std::ifstream in(folder + name, std::ios::binary);
    if (!in) throw std::runtime_error("test file missing: " + name);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool TestApp::exists(const std::string& name) const {
    return std::filesystem::exists(folder + name);
}

void TestApp::removeFile(const std::string& name) const {
    std::filesystem::remove(folder + name);
}

Song& TestApp::addSong(const std::string& artist, const std::string& title, int year, int prevRank,
                       const std::string& duration, int votes, int place) {
    SongTable& t = app.songs;
    if (t.count >= kSongCapacity) throw std::runtime_error("test table full");
    Song& s = t.rows[t.count];
    s = Song{};
    s.place = place ? place : t.count + 1;
    s.artist = fitName(artist);
    s.song = fitName(title);
    s.year = year;
    s.prevRank = prevRank;
    s.duration = duration;
    s.votes = votes;
    ++t.count;
    return s;
}

std::string sourcePath(const std::string& relative) {
    return std::string(HITVAULT_SOURCE_DIR) + "/" + relative;
}

}  // namespace hv::test
