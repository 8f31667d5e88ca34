// The pages of the statistics views as their screens write them when opened
// fresh (each in the mode and limit it starts with), ready to be written
// without a screen: what a scheduled publish run writes besides the chart.
#pragma once

#include <string>
#include <vector>

#include "database/settings.h"
#include "database/song_table.h"
#include "html/page_template.h"

namespace hv {

struct SitePage {
    std::string templateName;
    std::string pageName;
    std::string titleLine;
    BodyWriter body;
    // Why the page cannot be written (a side file it needs is missing);
    // empty when it can.
    std::string problem;
};

// Top artists, years, decades, countries, song lengths, the song overview
// and its vote form, and the new songs (or, for a chart without history, the
// disappeared ones). The bodies read `songs` when written, so it must outlive
// the pages.
std::vector<SitePage> statisticsPages(const std::string& folder, const SongTable& songs,
                                      const Settings& settings);

}  // namespace hv
