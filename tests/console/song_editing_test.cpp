#include "console/song_editing.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/row_edits.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

// "Artist A", "Artist B" ... in chart order, the highlight on the first.
struct Letters : test::TestApp {
    explicit Letters(int count) {
        for (int i = 0; i < count; ++i)
            addSong("Artist " + std::string(1, static_cast<char>('A' + i)), "Song", 1980 + i,
                    10 + i);
    }
    // The artists' letters and the change count, as "ABC (2)".
    std::string listed() const {
        std::string out;
        for (int r = 0; r < app.songs.count; ++r) out.push_back(app.songs.rows[r].artist.at(7));
        return out + " (" + std::to_string(app.songs.changeCount) + ")";
    }
    void select(int row) {
        app.firstShownRow = row > 10 ? row - 10 : 0;
        app.highlightOffset = row - app.firstShownRow;
    }
};

}  // namespace

TEST(SongEditing, InsertAsksUntilValuesAreValid) {
    Letters t(3);
    t.keys.line("Artist N").line("New Song").line("1899").line("2101").line("85").line("1900");
    t.keys.line("3:45").line("03:45").line("12").text("xy");  // only Y, N or Q answer
    ASSERT_TRUE(runCommandKey(t.app, kKeyInsert));
    EXPECT_EQ(test::fieldsOf(t.app.songs.rows[0]),
              std::make_tuple(1, fitName("Artist N"), fitName("New Song"), 1900, kNewSong, "03:45",
                              12, ""));
    // An empty artist or year, or Q, abandons.
    t.select(1);
    t.keys.line("").line("X").line("Song").line("");
    insertSong(t.app);
    insertSong(t.app);
    t.keys.line("X").line("Song").line("1999").line("").line("").text("q");
    insertSong(t.app);
    EXPECT_EQ(t.listed(), "NABC (1)");
}

TEST(SongEditing, DeleteAndMoveAskUnlessConfirmationIsOff) {
    Letters t(7);
    t.select(2);
    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, kKeyDelete));
    t.keys.text("qY");
    deleteSong(t.app);
    EXPECT_EQ(t.listed(), "ABDEFG (1)");
    // Own place, 0, behind the list and N ask again; an empty line or Q changes nothing.
    t.keys.line("3").line("0").line("7").line("5").text("n").line("5").text("xy");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF3));
    t.keys.line("").line("1").text("q");
    moveSong(t.app);
    moveSong(t.app);
    EXPECT_EQ(t.listed(), "ABEFDG (2)");

    t.app.settings.confirmationChecks = kSwitchOff;  // no key is read
    t.select(5);
    deleteSong(t.app);
    EXPECT_EQ(t.listed(), "ABEFD (3)");
    for (int row : {5, 7, 10030}) {  // empty lines below the list
        t.select(row);
        deleteSong(t.app);
        moveSong(t.app);
        editSong(t.app);
    }
    EXPECT_EQ(t.listed(), "ABEFD (3)");
}

TEST(SongEditing, EditTakesValidValuesOnOkay) {
    Letters t(3);
    Song& row = t.app.songs.rows[2];
    row.country = "NL";
    t.select(2);
    t.keys.text("a").line(std::string(40, 'x')).text("s").line("Abc");
    t.keys.text("p").line("0").line("9999").text("y").line("2500").line("");
    t.keys.text("d").line("3:45").line("04:15").text("v").line("-1").line("42").text("zO");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF2));
    const auto edited = std::make_tuple(3, std::string(29, 'x'), fitName("Abc"), 1982, 9999,
                                        std::string("04:15"), 42, std::string("NL"));
    EXPECT_EQ(test::fieldsOf(row), edited);
}

TEST(SongEditing, ChangesWaitForRankingOrder) {
    Letters t(4);
    t.app.songs.rows[0].artist = fitName("Zrtist A");  // sorts last on Artist
    ASSERT_TRUE(runCommandKey(t.app, kKeyF6));
    t.keys.text("x");  // closes the message
    ASSERT_TRUE(runCommandKey(t.app, kKeyF3));
    EXPECT_EQ(t.listed() + t.app.messageText, "BCDA (0)Sort on Ranking (F9) first.");
}

// No stale text: a long artist is cut at the frame, a refused year cleared from its field.
TEST(SongEditing, NoStaleTextAfterALongAnswer) {
    const std::string sixty = "Long" + std::string(56, 'n');
    auto toFrame = [](int row, std::string text) {
        text.resize(static_cast<size_t>(kLargeWindow.right - 8), ' ');
        return test::Shown{row, 8, text};
    };
    Letters t(3);
    t.keys.text("a").line(sixty).text("p").line("7" + sixty).text("y").line("2500");
    EXPECT_THROW(editSong(t.app), ScriptExhausted);
    EXPECT_TRUE(
        shows(t, {toFrame(6, "Artist    :  " + sixty.substr(0, 29)), toFrame(10, "Prev Rank :  7"),
                  toFrame(8, "Year      :"), toFrame(16, "Year      : 1980")}));
}

}  // namespace hv
