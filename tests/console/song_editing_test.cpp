#include "console/song_editing.h"

#include <gtest/gtest.h>

#include <string>

#include "console/main_commands.h"
#include "support/test_app.h"

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

// The artists' letters in row order, checking on the way that places run 1,
// 2, 3 ... and that every old song still has its own country.
std::string letters(const test::TestApp& t) {
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
    return out;
}

void select(test::TestApp& t, int row) {
    t.app.firstShownRow = row > 10 ? row - 10 : 0;
    t.app.highlightOffset = row - t.app.firstShownRow;
}

std::string at(const test::TestApp& t, int row, int col, size_t length) {
    return t.row(row).substr(col, length);
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
    const SongTable& songs = t.app.songs;
    ASSERT_EQ(songs.count, 6);
    const Song& added = songs.rows[0];
    EXPECT_EQ(added.artist, fitName("Artist N"));
    EXPECT_EQ(added.song, fitName("New Song"));
    EXPECT_EQ(added.year, 1900);
    EXPECT_EQ(added.duration, "03:45");
    EXPECT_EQ(added.votes, 12);
    EXPECT_EQ(added.prevRank, kNewSong);
    EXPECT_EQ(added.country, "");
    EXPECT_EQ(letters(t), "NABCDE");
    EXPECT_EQ(songs.rows[6].artist, "") << "the row behind the list is cleared";
    EXPECT_EQ(songs.changeCount, 1);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.screen(), before);

    // Empty duration and votes take 00:00 and 0; the texts, seen where the
    // script runs out at the question.
    select(t, 3);
    t.keys.line("Queen").line("Bohemian Rhapsody").line("2100").line("").line("");
    EXPECT_THROW(insertSong(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 4, 20, 26), "Insert new song at Place 4");
    EXPECT_EQ(at(t, 6, 10, 20), "Artist    :    Queen");
    EXPECT_EQ(at(t, 8, 10, 19), "Year      :    2100");
    EXPECT_EQ(at(t, 9, 10, 20), "Duration  :         ");
    EXPECT_EQ(at(t, 12, 10, 9), "Accept ? ");
    EXPECT_EQ(at(t, 14, 10, 18), "(Y)es (N)o (Q)uit ");
}

TEST(SongEditing, InsertCanBeAbandonedOrStartedAgain) {
    test::TestApp t;
    addLetters(t, 3);
    select(t, 1);
    t.keys.line("");  // no artist
    insertSong(t.app);
    t.keys.line("Artist X").line("Song").line("");  // no year
    insertSong(t.app);
    t.keys.line("Artist X").line("Song").line("1999").line("").line("").text("q");
    insertSong(t.app);
    EXPECT_EQ(letters(t), "ABC");
    EXPECT_EQ(t.app.songs.changeCount, 0);

    // N asks all five values again; only the second answers count.
    t.keys.line("Artist X").line("Song X").line("1999").line("").line("").text("n");
    t.keys.line("Artist Y").line("Song Y").line("2001").line("04:00").line("7").text("Y");
    insertSong(t.app);
    EXPECT_EQ(letters(t), "AYBC");
    EXPECT_EQ(t.app.songs.rows[1].votes, 7);
    EXPECT_EQ(t.keys.pending(), 0u);

    // Without confirmation the song is stored right after the votes.
    t.app.settings.confirmationChecks = kSwitchOff;
    select(t, 4);
    t.keys.line("Artist Z").line("Song Z").line("1999").line("").line("");
    insertSong(t.app);
    EXPECT_EQ(letters(t), "AYBCZ");
    EXPECT_EQ(t.app.songs.rows[4].duration, "00:00");
    EXPECT_EQ(t.app.songs.changeCount, 2);
}

TEST(SongEditing, InsertBelowTheListOrIntoAFullTable) {
    test::TestApp t;
    addLetters(t, 3);
    t.app.settings.confirmationChecks = kSwitchOff;
    // The highlight on an empty line far below the list: the song goes
    // behind the last one, leaving no gap of empty rows in the list.
    select(t, 12);
    t.keys.line("Artist Q").line("Song").line("1999").line("").line("");
    insertSong(t.app);
    EXPECT_EQ(letters(t), "ABCQ");

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

TEST(SongEditing, DeleteAsksWhenConfirmationsAreOn) {
    test::TestApp t;
    addLetters(t, 5);
    std::string before = t.screen();
    select(t, 2);
    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, kKeyDelete));
    EXPECT_EQ(letters(t), "ABCDE");
    EXPECT_EQ(t.app.songs.changeCount, 0);

    t.keys.text("qY");
    deleteSong(t.app);
    EXPECT_EQ(letters(t), "ABDE");
    EXPECT_EQ(t.app.songs.rows[4].artist, "");
    EXPECT_EQ(t.app.songs.changeCount, 1);
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.screen(), before);

    EXPECT_THROW(deleteSong(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 8, 26, 16), "Delete Song : 3 ");
    EXPECT_EQ(at(t, 12, 26, 15), "Are you Sure ? ");
    EXPECT_EQ(at(t, 14, 26, 12), "(Y)es  (N)o ");
}

TEST(SongEditing, DeleteWithoutConfirmationAndOnEmptyLines) {
    test::TestApp t;
    addLetters(t, 5);
    t.app.settings.confirmationChecks = kSwitchOff;
    select(t, 0);
    deleteSong(t.app);  // no key is read
    EXPECT_EQ(letters(t), "BCDE");
    select(t, 3);
    deleteSong(t.app);
    EXPECT_EQ(letters(t), "BCD");
    for (int row : {3, 7, 10030}) {
        select(t, row);
        deleteSong(t.app);
        moveSong(t.app);
        editSong(t.app);
    }
    EXPECT_EQ(letters(t), "BCD");
    EXPECT_EQ(t.app.songs.changeCount, 2);
}

TEST(SongEditing, MoveShiftsTheSongsBetween) {
    test::TestApp t;
    addLetters(t, 7);
    select(t, 2);
    // Its own place, 0 and a place behind the list are asked again; N asks
    // again too.
    t.keys.line("3").line("0").line("8").line("6").text("n").line("6").text("xy");
    ASSERT_TRUE(runCommandKey(t.app, kKeyF3));
    EXPECT_EQ(letters(t), "ABDEFCG");
    EXPECT_EQ(t.app.songs.changeCount, 1);
    EXPECT_EQ(t.keys.pending(), 0u);

    select(t, 5);
    t.keys.line("3").text("y");
    moveSong(t.app);
    EXPECT_EQ(letters(t), "ABCDEFG");

    // An empty line or Q changes nothing.
    t.keys.line("");
    moveSong(t.app);
    t.keys.line("1").text("q");
    moveSong(t.app);
    EXPECT_EQ(letters(t), "ABCDEFG");
    EXPECT_EQ(t.app.songs.changeCount, 2);

    t.keys.line("1");
    EXPECT_THROW(moveSong(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 7, 26, 15), "Move Song : 6  ");
    EXPECT_EQ(at(t, 9, 26, 13), "To Place  : 1");
    EXPECT_EQ(at(t, 12, 26, 15), "Are you Sure ? ");
    EXPECT_EQ(at(t, 14, 26, 20), "(Y)es  (N)o  (Q)uit ");

    t.app.settings.confirmationChecks = kSwitchOff;
    t.keys.line("1");
    moveSong(t.app);
    EXPECT_EQ(letters(t), "FABCDEG");
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
    EXPECT_EQ(row.artist, std::string(29, 'x'));
    EXPECT_EQ(row.song, "Abc" + std::string(26, ' '));
    EXPECT_EQ(row.prevRank, 9999);
    EXPECT_EQ(row.year, 1982);
    EXPECT_EQ(row.duration, "04:15");
    EXPECT_EQ(row.votes, 42);
    EXPECT_EQ(row.place, 3);
    EXPECT_EQ(row.country, "CC");
    EXPECT_EQ(t.app.songs.changeCount, 1);
    EXPECT_EQ(t.keys.pending(), 0u);

    // C drops every change.
    t.keys.text("a").line("Someone Else").text("v").line("1").text("c");
    editSong(t.app);
    EXPECT_EQ(row.artist, std::string(29, 'x'));
    EXPECT_EQ(row.votes, 42);
    EXPECT_EQ(t.app.songs.changeCount, 1);

    select(t, 0);
    t.keys.text("y").line("2500");
    EXPECT_THROW(editSong(t.app), ScriptExhausted);
    EXPECT_EQ(at(t, 4, 8, 20), "Edit song at Place 1");
    EXPECT_EQ(at(t, 6, 8, 23), "Artist    :  Artist A  ");
    EXPECT_EQ(at(t, 8, 8, 18), "Year      :       ") << "the refused year is cleared";
    EXPECT_EQ(at(t, 10, 8, 15), "Prev Rank :  10");
    EXPECT_EQ(at(t, 11, 8, 14), "Votes     :  0");
    EXPECT_EQ(at(t, 13, 8, 65),
              "(A)rtist (S)ong (Y)ear (D)uration (P)rev (V)otes (O)kay (C)ancel ");
    EXPECT_EQ(at(t, 16, 8, 17), "Year      : 1980 ");
}

}  // namespace hv
