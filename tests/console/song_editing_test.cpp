#include "console/song_editing.h"

#include <gtest/gtest.h>

#include <string>

#include "console/main_commands.h"
#include "database/row_edits.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

// A list "Artist A" to "Artist G" (or fewer) in chart order, each with a
// country of its own.
void addLetters(test::TestApp& t, int count) {
    for (int i = 0; i < count; ++i) {
        std::string letter(1, static_cast<char>('A' + i));
        t.addSong("Artist " + letter, "Song " + letter, 1980 + i, 10 + i,
                  "03:0" + std::to_string(i), i)
            .country = "C" + letter;
    }
}

// The artists' letters in row order and the change count, as "ABC (2)";
// on the way, checks that places run 1, 2, 3 ... and that every old song
// still has its own country.
std::string listed(const test::TestApp& t) {
    std::string out;
    const SongTable& songs = t.app.songs;
    for (int r = 0; r < songs.count; ++r) {
        const Song& s = songs.rows[r];
        char letter = s.artist.at(7);
        out.push_back(letter);
        EXPECT_EQ(s.place, r + 1) << "row " << r;
        if (s.prevRank != kNewSong) {
            EXPECT_EQ(s.country, std::string("C") + letter);
        }
    }
    return out + " (" + std::to_string(songs.changeCount) + ")";
}

void select(test::TestApp& t, int row) {
    t.app.firstShownRow = row > 10 ? row - 10 : 0;
    t.app.highlightOffset = row - t.app.firstShownRow;
}

}  // namespace

TEST(SongEditing, TypedValuesFollowTheirRules) {
    for (const char* year : {"1900", "2100", "1985"}) EXPECT_TRUE(isValidYear(year)) << year;
    for (const char* year : {"1899", "2101", "85", "01985", "19x5", ""})
        EXPECT_FALSE(isValidYear(year)) << year;
    EXPECT_TRUE(isValidDuration("03:45"));
    for (const char* d : {"3:45", "03:456", "03.45", "0a:45", "03:4 "})
        EXPECT_FALSE(isValidDuration(d)) << d;
    for (const char* rank : {"1", "9999", "10009"}) EXPECT_TRUE(isValidPrevRank(rank)) << rank;
    for (const char* rank : {"0", "10010", "x"}) EXPECT_FALSE(isValidPrevRank(rank)) << rank;
    EXPECT_TRUE(isValidVotes("0"));
    EXPECT_TRUE(isValidVotes("abc")) << "text that is not a number counts as 0";
    EXPECT_FALSE(isValidVotes("-3"));
}

TEST(SongEditing, InsertAsksAgainUntilValuesAreValid) {
    test::TestApp t;
    addLetters(t, 5);
    std::string before = t.screen();
    select(t, 0);
    t.keys.line("Artist N").line("New Song");
    t.keys.line("1899").line("2101").line("85").line("1900");
    t.keys.line("3:45").line("03:45").line("12");
    t.keys.text("xy");  // only Y, N or Q answer
    ASSERT_TRUE(runCommandKey(t.app, kKeyInsert));
    EXPECT_EQ(test::fieldsOf(t.app.songs.rows[0]),
              std::make_tuple(1, fitName("Artist N"), fitName("New Song"), 1900, kNewSong, "03:45",
                              12, ""));
    EXPECT_EQ(listed(t), "NABCDE (1)");
    EXPECT_EQ(t.app.songs.rows[6].artist, "") << "the row behind the list is cleared";
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.screen(), before);

    // The texts, seen where the script runs out: N goes back to the labels,
    // and the window keeps its title, question and earlier answers while the
    // values are asked again.
    select(t, 3);
    t.keys.line("Queen").line("Bohemian Rhapsody").line("2100").line("").line("").text("n");
    t.keys.line("Queen II");
    EXPECT_THROW(insertSong(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{4, 20, "Insert new song at Place 4"},
                          {6, 10, "Artist    :    Queen II "},
                          {7, 10, "Song      :            "},
                          {8, 10, "Year      :    2100"},
                          {9, 10, "Duration  :         "},
                          {12, 10, "Accept ? "},
                          {14, 10, "(Y)es (N)o (Q)uit "}}));
}

TEST(SongEditing, InsertAbandonedAgainUnconfirmedBelowTheListOrIntoAFullTable) {
    test::TestApp t;
    addLetters(t, 3);
    select(t, 1);
    t.keys.line("");  // no artist
    insertSong(t.app);
    t.keys.line("Artist X").line("Song").line("");  // no year
    insertSong(t.app);
    t.keys.line("Artist X").line("Song").line("1999").line("").line("").text("q");
    insertSong(t.app);
    EXPECT_EQ(listed(t), "ABC (0)");

    // N asks all five values again; only the second answers count.
    t.keys.line("Artist X").line("Song X").line("1999").line("").line("").text("n");
    t.keys.line("Artist Y").line("Song Y").line("2001").line("04:00").line("7").text("Y");
    insertSong(t.app);
    EXPECT_EQ(listed(t), "AYBC (1)");
    EXPECT_EQ(t.app.songs.rows[1].votes, 7);
    EXPECT_EQ(t.keys.pending(), 0u);

    // Without confirmation the song is stored right after the votes; with
    // the highlight on an empty line far below the list it goes behind the
    // last song, leaving no gap of empty rows.
    t.app.settings.confirmationChecks = kSwitchOff;
    select(t, 4);
    t.keys.line("Artist Z").line("Song Z").line("1999").line("").line("");
    insertSong(t.app);
    EXPECT_EQ(listed(t), "AYBCZ (2)");
    EXPECT_EQ(t.app.songs.rows[4].duration, "00:00");
    select(t, 12);
    t.keys.line("Artist Q").line("Song").line("1999").line("").line("");
    insertSong(t.app);
    EXPECT_EQ(listed(t), "AYBCZQ (3)");

    SongTable& songs = t.app.songs;
    songs.count = kInsertMaximum + 1;
    select(t, 0);
    t.keys.text(" ");  // the message waits for a key
    insertSong(t.app);
    EXPECT_EQ(songs.count, kInsertMaximum + 1);
    EXPECT_EQ(t.app.messageText, "The list is full: no insert.");
    EXPECT_EQ(t.keys.pending(), 0u);

    songs.count = kInsertMaximum;
    songs.rows[kInsertMaximum - 1].artist = fitName("Last");
    select(t, kInsertMaximum - 1);
    t.keys.line("Before Last").line("Song").line("1999").line("").line("");
    insertSong(t.app);
    EXPECT_EQ(songs.count, kInsertMaximum + 1);
    EXPECT_EQ(songs.rows[kInsertMaximum].artist, fitName("Last"));
    EXPECT_EQ(songs.rows[kSongCapacity - 1].artist, "");
}

TEST(SongEditing, DeleteWithAndWithoutConfirmationAndOnEmptyLines) {
    test::TestApp t;
    addLetters(t, 5);
    std::string before = t.screen();
    select(t, 2);
    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, kKeyDelete));
    EXPECT_EQ(listed(t), "ABCDE (0)");
    t.keys.text("qY");
    deleteSong(t.app);
    EXPECT_EQ(listed(t), "ABDE (1)");
    EXPECT_EQ(t.app.songs.rows[4].artist, "");
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.screen(), before);
    EXPECT_THROW(deleteSong(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(
        t, {{8, 26, "Delete Song : 3 "}, {12, 26, "Are you Sure ? "}, {14, 26, "(Y)es  (N)o "}}));

    t.app.settings.confirmationChecks = kSwitchOff;
    select(t, 0);
    deleteSong(t.app);  // no key is read
    EXPECT_EQ(listed(t), "BDE (2)");
    select(t, 2);
    deleteSong(t.app);
    EXPECT_EQ(listed(t), "BD (3)");
    for (int row : {2, 7, 10030}) {
        select(t, row);
        deleteSong(t.app);
        moveSong(t.app);
        editSong(t.app);
    }
    EXPECT_EQ(listed(t), "BD (3)");
}

TEST(SongEditing, MoveShiftsTheSongsBetween) {
    test::TestApp t;
    addLetters(t, 7);
    select(t, 2);
    // Its own place, 0 and a place behind the list are asked again; N asks
    // again too.
    t.keys.line("3").line("0").line("8").line("6").text("n").line("6").text("xy");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF3));
    EXPECT_EQ(listed(t), "ABDEFCG (1)");
    EXPECT_EQ(t.keys.pending(), 0u);
    select(t, 5);
    t.keys.line("3").text("y");
    moveSong(t.app);
    EXPECT_EQ(listed(t), "ABCDEFG (2)");

    // An empty line or Q changes nothing.
    t.keys.line("");
    moveSong(t.app);
    t.keys.line("1").text("q");
    moveSong(t.app);
    EXPECT_EQ(listed(t), "ABCDEFG (2)");

    t.keys.line("1");
    EXPECT_THROW(moveSong(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{7, 26, "Move Song : 6  "},
                          {9, 26, "To Place  : 1"},
                          {12, 26, "Are you Sure ? "},
                          {14, 26, "(Y)es  (N)o  (Q)uit "}}));

    t.app.settings.confirmationChecks = kSwitchOff;
    t.keys.line("1");
    moveSong(t.app);
    EXPECT_EQ(listed(t), "FABCDEG (3)");
}

TEST(SongEditing, EditChangesOnlyTheWorkingCopiesUntilOkay) {
    test::TestApp t;
    addLetters(t, 3);
    Song& row = t.app.songs.rows[2];
    select(t, 2);
    t.keys.text("a").line(std::string(40, 'x'));
    t.keys.text("s").line("Abc");
    t.keys.text("p").line("0").line("9999");
    t.keys.text("y").line("2500").line("");
    t.keys.text("d").line("3:45").line("04:15");
    t.keys.text("v").line("-1").line("42");
    t.keys.text("zO");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF2));
    const auto edited = std::make_tuple(3, std::string(29, 'x'), fitName("Abc"), 1982, 9999,
                                        std::string("04:15"), 42, std::string("CC"));
    EXPECT_EQ(test::fieldsOf(row), edited);
    EXPECT_EQ(t.app.songs.changeCount, 1);
    EXPECT_EQ(t.keys.pending(), 0u);

    // C drops every change.
    t.keys.text("a").line("Someone Else").text("v").line("1").text("c");
    editSong(t.app);
    EXPECT_EQ(test::fieldsOf(row), edited);
    EXPECT_EQ(t.app.songs.changeCount, 1);

    select(t, 0);
    t.keys.text("y").line("2500");
    EXPECT_THROW(editSong(t.app), ScriptExhausted);
    // The refused year is cleared from its field.
    EXPECT_TRUE(
        shows(t, {{4, 8, "Edit song at Place 1"},
                  {6, 8, "Artist    :  Artist A  "},
                  {8, 8, "Year      :       "},
                  {10, 8, "Prev Rank :  10"},
                  {11, 8, "Votes     :  0"},
                  {13, 8, "(A)rtist (S)ong (Y)ear (D)uration (P)rev (V)otes (O)kay (C)ancel "},
                  {16, 8, "Year      : 1980 "}}));
}

TEST(SongEditing, LongAnswersStayInsideTheirBoxes) {
    test::TestApp t;
    addLetters(t, 3);
    const std::string longName = "Long" + std::string(300, 'n');
    auto frameIntact = [&](int row, int col) {
        const Cell& c = t.app.screen.cells[row][col];
        return c.frame && c.ch == 186;
    };
    // Insert: the echo stops at the frame; the next label stays readable.
    t.keys.line(longName).line(longName).line(std::string(300, '9')).line("1999").line("");
    t.keys.line("99999999999");
    EXPECT_THROW(insertSong(t.app), ScriptExhausted);
    for (int row = 6; row <= 10; ++row) EXPECT_TRUE(frameIntact(row, 75)) << row;
    EXPECT_TRUE(shows(t, {{7, 10, "Song      :    Longnnn"}, {8, 10, "Year      :    1999 "}}));

    // Edit: an accepted number with text behind it still shows inside.
    select(t, 1);
    t.keys.text("p").line("5" + std::string(300, 'x')).text("a").line(longName).text("o");
    editSong(t.app);
    EXPECT_EQ(t.app.songs.rows[1].prevRank, 5);
    EXPECT_EQ(t.app.songs.rows[1].artist, longName.substr(0, 29));
    t.keys.text("p");
    EXPECT_THROW(editSong(t.app), ScriptExhausted);
    for (int row = 6; row <= 16; ++row) EXPECT_TRUE(frameIntact(row, 75)) << row;

    // Move: a place far too long is asked again, inside the box.
    t.keys.line(std::string(300, '1'));
    EXPECT_THROW(moveSong(t.app), ScriptExhausted);
    EXPECT_TRUE(frameIntact(9, 60));
    EXPECT_EQ(t.app.songs.count, 3);
    EXPECT_EQ(t.app.songs.changeCount, 1);
}

}  // namespace hv
