// The import of a full list with the reload that follows it, and the table
// load a start-up does, on disk in a folder of their own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/column_files.h"
#include "database/import.h"
#include "database/save_list.h"
#include "database/song_file.h"
#include "database/text_files.h"
#include "full_size_lists.h"

namespace {

constexpr const char* kListName = "mysongs.txt";

// A working folder holding a realistic list of 10,010 songs; removed with
// the benchmark.
class ListFolder {
  public:
    // A UTF-8 list has a "ü" for every "u", so that it is recognised as UTF-8.
    explicit ListFolder(int distinctArtists, bool utf8 = false) {
        char pattern[] = "/tmp/hv_import_benchXXXXXX";
        folder_ = std::string(::mkdtemp(pattern)) + "/";
        list_ = hv::formatSongList(hv::bench::fullSizeList(distinctArtists), 2026);
        if (utf8) {
            std::replace(list_.begin(), list_.end(), 'u', '\xFC');
            list_ = hv::encodeText(list_, hv::TextEncoding::Utf8);
        }
        hv::writeFileWhole(folder_ + kListName, list_);
    }
    ~ListFolder() { std::filesystem::remove_all(folder_); }

    const std::string& folder() const { return folder_; }
    size_t listBytes() const { return list_.size(); }

  private:
    std::string folder_;
    std::string list_;
};

int importWithReload(const std::string& folder, hv::SongTable& table) {
    hv::Settings settings = hv::defaultSettings(2026);
    hv::SongFileContents list =
        hv::readSongFile(folder + kListName, kListName, 2026, hv::kImportMaximum);
    hv::storeImportedList(folder, list, settings, table, hv::OnWriteFailure::KeepOldList);
    hv::LinkTables links;
    hv::loadTable(folder, table, links);
    return table.count;
}

void BM_ImportWithReload(benchmark::State& state) {
    ListFolder f(static_cast<int>(state.range(0)));
    hv::SongTable table;
    for (auto _ : state) benchmark::DoNotOptimize(importWithReload(f.folder(), table));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.listBytes()));
    state.counters["songs"] = table.count;
}
BENCHMARK(BM_ImportWithReload)
    ->Arg(hv::bench::kRealisticArtists)
    ->Arg(hv::bench::kFullSize)
    ->Unit(benchmark::kMillisecond);

// Only the reading of the list, which no disk write slows down; /1 a UTF-8 list.
void BM_ImportReadOnly(benchmark::State& state) {
    ListFolder f(hv::bench::kRealisticArtists, state.range(0) == 1);
    for (auto _ : state) {
        hv::SongFileContents list =
            hv::readSongFile(f.folder() + kListName, kListName, 2026, hv::kImportMaximum);
        benchmark::DoNotOptimize(list.songs.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.listBytes()));
}
BENCHMARK(BM_ImportReadOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LoadTable(benchmark::State& state) {
    ListFolder f(hv::bench::kRealisticArtists);
    hv::SongTable table;
    importWithReload(f.folder(), table);
    hv::LinkTables links;
    for (auto _ : state) benchmark::DoNotOptimize(hv::loadTable(f.folder(), table, links));
    state.counters["songs"] = table.count;
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond);

}  // namespace
