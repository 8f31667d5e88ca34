#include "maintenance/append_songs.h"

#include "database/song_file.h"
#include "database/text_files.h"
#include "maintenance/append_layouts.h"
#include "maintenance/double_tests.h"

namespace hv {

AppendFile readAppendFile(const std::string& path, std::string_view fileName) {
    AppendFile out;
    LineReader reader(path, LineEnds::CrLfOrLf, Decoding::FromUtf8);
    if (!reader.isOpen()) return out;
    out.opened = true;
    out.replacedCharacters = reader.replacedCharacters();
    std::string line;
    bool hadLineEnd = false;
    if (!reader.next(line, &hadLineEnd)) return out;
    const AppendLayout layout = appendLayoutFor(line, fileName);
    if (layout.header.winamp) {
        do {
            if (!reader.next(line, &hadLineEnd)) return out;
        } while (line.find("Playlist files:") == std::string::npos);
    }
    while (reader.next(line, &hadLineEnd) && !endsSongList(line, hadLineEnd))
        out.lines.push_back(readAppendLine(line, layout));
    return out;
}

namespace {

// What the literal and the indexed append share: the decision a row makes
// on the candidate, the counters and the appending itself.
class AppendRun {
  public:
    AppendRun(SongTable& table, const AppendQuestion& ask) : table_(table), ask_(ask) {}

    // Whether the listed row leaves the candidate out.
    bool decides(PairVerdict verdict, const Song& listed, const Song& candidate) {
        if (verdict == PairVerdict::Different) return false;
        if (verdict == PairVerdict::LookAlike) {
            const bool asking = !quit_;
            const LookAlikeAnswer answer =
                ask_ ? ask_(AppendLookAlike{result.linesRead, listed, candidate, asking})
                     : LookAlikeAnswer::Skip;
            if (asking && answer == LookAlikeAnswer::Accept) return false;
            if (asking && answer == LookAlikeAnswer::Quit) quit_ = true;
        }
        ++result.doubles;
        return true;
    }

    // Appends the candidate as the next row; false when the list is full.
    // A list that already holds the maximum takes no song at all.
    bool append(const Song& candidate) {
        if (table_.count >= kAppendMaximum) {
            result.reachedMaximum = true;
            return false;
        }
        Song& row = table_.rows[table_.count];
        row = candidate;
        row.place = table_.count + 1;
        row.votes = 0;
        row.country.clear();
        ++table_.count;
        ++table_.changeCount;
        ++result.appended;
        clearRow(table_.rows[table_.count]);
        result.reachedMaximum = table_.count >= kAppendMaximum;
        return !result.reachedMaximum;
    }

    AppendResult result;

  private:
    SongTable& table_;
    const AppendQuestion& ask_;
    bool quit_ = false;
};

Song candidateOf(const Song& line) {
    Song c = line;
    c.artist = fitName(c.artist);
    c.song = fitName(c.song);
    return c;
}

}  // namespace

AppendResult appendSongs(SongTable& table, const std::vector<std::optional<Song>>& lines,
                         const AppendQuestion& ask) {
    AppendRun run(table, ask);
    // Each song's keys are made once; the index gives, in row order, the
    // few rows that could decide against a candidate.
    std::vector<NameKeys> keys;
    keys.reserve(static_cast<std::size_t>(table.count) + lines.size());
    DoubleIndex index;
    index.reserve(keys.capacity());
    for (int r = 0; r < table.count; ++r) {
        keys.push_back(nameKeys(table.rows[r]));
        index.add(r, keys.back());
    }
    for (const std::optional<Song>& line : lines) {
        ++run.result.linesRead;
        if (!line) continue;
        const Song candidate = candidateOf(*line);
        NameKeys candidateKeys = nameKeys(candidate);
        bool leftOut = false;
        DoubleIndex::Deciders deciders = index.deciders(candidateKeys);
        for (int id = deciders.next(); id >= 0 && !leftOut; id = deciders.next())
            leftOut = run.decides(comparePair(candidateKeys, keys[id]), table.rows[id], candidate);
        if (leftOut) continue;
        const int id = table.count;
        if (!run.append(candidate)) break;
        keys.push_back(std::move(candidateKeys));
        index.add(id, keys.back());
    }
    return run.result;
}

AppendResult appendSongsLiteral(SongTable& table, const std::vector<std::optional<Song>>& lines,
                                const AppendQuestion& ask) {
    AppendRun run(table, ask);
    for (const std::optional<Song>& line : lines) {
        ++run.result.linesRead;
        if (!line) continue;
        const Song candidate = candidateOf(*line);
        bool leftOut = false;
        for (int r = 0; r < table.count && !leftOut; ++r)
            leftOut =
                run.decides(comparePairLiteral(candidate, table.rows[r]), table.rows[r], candidate);
        if (!leftOut && !run.append(candidate)) break;
    }
    return run.result;
}

}  // namespace hv
