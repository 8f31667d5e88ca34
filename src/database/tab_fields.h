// Splitting a tab-separated line of a song list into its fields.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace hv {

// The tab-separated fields of one line, split once: a list is read field by
// field, and finding each field from the line's start again made the import
// scan every line a dozen times.
class Fields {
  public:
    explicit Fields(std::string_view line) : line_(line) {
        std::size_t at = 0;
        while (tabs_ < kKept && (at = line.find('\t', at)) != std::string_view::npos)
            tab_[tabs_++] = at++;
    }

    // Field n (counted from 1, at most 13); with toLineEnd it runs to the
    // end of the line, tabs included. Nothing when the line has fewer fields.
    std::optional<std::string_view> at(int n, bool toLineEnd = false) const {
        const std::size_t index = static_cast<std::size_t>(n - 1);
        if (index > tabs_) return std::nullopt;
        const std::size_t start = index == 0 ? 0 : tab_[index - 1] + 1;
        if (toLineEnd) return line_.substr(start);
        if (index < tabs_) return line_.substr(start, tab_[index] - start);
        // The last field, or one after the tabs kept: it ends at the next tab.
        std::string_view rest = line_.substr(start);
        return rest.substr(0, rest.find('\t'));
    }

  private:
    // Enough for the twelfth field, the last any layout reads.
    static constexpr std::size_t kKept = 12;
    std::string_view line_;
    std::array<std::size_t, kKept> tab_{};
    std::size_t tabs_ = 0;
};

}  // namespace hv
