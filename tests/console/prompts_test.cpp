#include "console/prompts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "console/system_environment.h"
#include "support/test_app.h"

namespace hv {

namespace {

// Some text and colour under the dialogs, to see that they leave it as it was.
void paintBackground(Screen& s) {
    for (int r = 0; r < kScreenRows; ++r) {
        setAttribute(s, r % 2 ? kAttrHighlight : kAttrNormal);
        moveCursor(s, r, 0);
        printText(s, "%02d %-76s", r, "the list underneath the dialog");
    }
    setAttribute(s, kAttrNormal);
}

void makeExecutable(const std::string& path, const std::string& content) {
    std::ofstream(path) << content;
    ::chmod(path.c_str(), 0755);
}

// Keeps what the terminal was showing when the layer paused.
struct PauseRecorder : ScriptedBackend {
    CellGrid shown{}, atPause{};
    void present(const CellGrid& cells, int, int) override { shown = cells; }
    void pause(int milliseconds) override {
        ScriptedBackend::pause(milliseconds);
        atPause = shown;
    }
};

}  // namespace

TEST(Prompts, MessageBoxesWaitForATypedCharacterAndOfferViewStartsTheBrowserOnYes) {
    test::TestApp t;
    // While they wait, the boxes show the message and what to do.
    t.app.messageText = "top00000.htm generated...";
    t.keys.key(kKeyF5);
    EXPECT_THROW(showMessage(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(10).substr(26, 25), "top00000.htm generated...");
    EXPECT_EQ(t.row(14).substr(30, 13), "Press any key");
    t.app.messageText = "artist.htm generated...";
    EXPECT_THROW(offerView(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(10).substr(26, 25), "artist.htm generated...  ");
    EXPECT_EQ(t.row(12).substr(26, 19), "View with Explorer ");
    EXPECT_EQ(t.row(14).substr(26, 12), "(Y)es (N)o  ");
    EXPECT_EQ(readCell(t.app.screen, 5, 20), kAttrNormal * 256 + 201);

    paintBackground(t.app.screen);
    const CellGrid before = t.app.screen.cells;
    t.keys.key(kKeyF1).key(kKeyPageDown).key(kKeyUp).text("x").text("z");
    showMessage(t.app);
    EXPECT_EQ(t.app.screen.cells, before);
    EXPECT_EQ(readChar(t.app.screen), 'z');  // left for whoever reads next

    t.app.pagePath = "htm/top00000.htm";
    for (std::string typed : {"y", "Y", "n", "\x1b", "\n", "x"}) {
        t.browserCalls.clear();
        t.keys.key(kKeyF1).key(kKeyDown).text(typed);  // keys that type nothing are not answers
        offerView(t.app);
        EXPECT_EQ(t.keys.pending(), 0u) << typed;
        EXPECT_EQ(t.app.screen.cells, before) << typed;
        decltype(t.browserCalls) expected;
        if (typed == "y" || typed == "Y")
            expected = {{"/usr/bin/fake-browser", t.folder + "htm/top00000.htm"}};
        EXPECT_EQ(t.browserCalls, expected) << typed;
    }
}

TEST(Prompts, ReadLineEchoesEditsAndStopsAtTheFieldSize) {
    test::TestApp t;
    Screen& s = t.app.screen;
    moveCursor(s, 3, 10);
    setAttribute(s, 0x1E);
    t.keys.line("abcdefgh");
    EXPECT_EQ(readLine(s, 5), "abcde");
    EXPECT_EQ(t.row(3).substr(10, 7), "abcde  ");
    for (int c = 10; c < 15; ++c) EXPECT_EQ(attributeAt(s, 3, c), 0x1E);
    EXPECT_EQ(attributeAt(s, 3, 15), kAttrNormal);

    // Backspace takes back the last character on the screen too; keys that
    // type nothing are ignored; an accented byte is kept as it is.
    moveCursor(s, 6, 0);
    t.keys.text("ab").key(kKeyBackspace).key(kKeyF3).text("c");
    t.keys.event({0, 0xE9, false}).key(kKeyBackspace).key(kKeyBackspace).key(kKeyBackspace);
    t.keys.key(kKeyBackspace).line("x\xe9");
    EXPECT_EQ(readLine(s, 79), "x\xe9");
    EXPECT_EQ(t.row(6).substr(0, 4), "x\xe9  ");

    t.keys.line("");
    EXPECT_EQ(readLine(s, 10), "");
    // On the bottom row only what fits before the last cell is taken, so the
    // echo always shows what is stored; a failed read does not end the line.
    moveCursor(s, 24, 70);
    t.keys.text("abcd").failedRead().line("efghijklmnop");
    EXPECT_EQ(readLine(s, 299), "abcdefghi");
    EXPECT_EQ(t.row(24).substr(70), "abcdefghi ");
    EXPECT_EQ(t.row(0).substr(0, 5), std::string(5, ' '));
}

TEST(Prompts, InputTooLongShowsForOneSecondWithoutReadingAKey) {
    App app;
    auto backend = std::make_unique<PauseRecorder>();
    PauseRecorder& rec = *backend;
    app.screen.backend = std::move(backend);
    openScreen(app.screen);
    paintBackground(app.screen);
    const CellGrid before = app.screen.cells;
    rec.text("q");
    showInputTooLong(app);
    EXPECT_EQ(rec.pauses, std::vector<int>{1000});
    EXPECT_EQ(rec.pending(), 1u);
    std::string shown;
    for (const Cell& c : rec.atPause[10]) shown.push_back(static_cast<char>(c.ch));
    EXPECT_EQ(shown.substr(25, 18), "Input too long... ");
    EXPECT_EQ(app.screen.cells, before);
}

TEST(Prompts, TheBrowserIsChosenAndStartedWithOneArgumentWithoutAShell) {
    test::TestApp t;
    // $BROWSER comes first; of a list of browsers the first one is used.
    EXPECT_EQ(chooseBrowser("/opt/web/browser", "/usr/bin"), "/opt/web/browser");
    EXPECT_EQ(chooseBrowser("firefox:chromium", ""), "firefox");

    // Else xdg-open from the PATH, but only a program, not a folder or a plain file.
    std::string bin = t.folder + "bin", other = t.folder + "other", path = other + ":" + bin;
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(other + "/xdg-open");
    makeExecutable(bin + "/xdg-open", "#!/bin/sh\n");
    EXPECT_EQ(chooseBrowser("", path.c_str()), bin + "/xdg-open");
    EXPECT_EQ(chooseBrowser(nullptr, path.c_str()), bin + "/xdg-open");
    ::chmod((bin + "/xdg-open").c_str(), 0644);
    EXPECT_EQ(chooseBrowser(nullptr, path.c_str()), "");
    EXPECT_EQ(chooseBrowser(nullptr, nullptr), "");

    // An unavailable browser is silently ignored.
    t.app.browserProgram.clear();
    openInBrowser(t.app, "index.htm");
    EXPECT_TRUE(t.browserCalls.empty());

    // It is started with one argument, without a shell and without waiting.
    std::string script = t.folder + "fake browser.sh", out = t.folder + "argument.txt";
    makeExecutable(script, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + out + ".tmp'\nmv '" +
                               out + ".tmp' '" + out + "'\n");
    std::string argument = t.folder + "my page's \"name\"; rm -rf x $(id) `id`.htm";
    auto started = std::chrono::steady_clock::now();
    startDetached(script, argument);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    for (int i = 0; i < 250 && !t.exists("argument.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(t.readFile("argument.txt"), "1|" + argument);

    // A program that does not exist is not reported and does not hang.
    startDetached(t.folder + "no-such-program", "x");
}

}  // namespace hv
