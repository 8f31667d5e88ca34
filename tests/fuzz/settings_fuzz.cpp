// A hand-edited "hitvault.ini": whatever is read is written back and read
// again as the same twelve settings.
#include "database/settings.h"
#include "fuzz/harnesses.h"
#include "support/temp_folder.h"

namespace hv {

int fuzzSettings(const uint8_t* data, size_t size) {
    test::TempFolder f;
    f.writeFile(kSettingsFile, std::string(reinterpret_cast<const char*>(data), size));
    std::optional<Settings> read = readSettings(f.folder);
    if (!read) return 0;
    for (const std::string* text :
         {&read->songDatabase, &read->templateMain, &read->templateRest, &read->emailBox,
          &read->voteForm, &read->outlookFolder, &read->subjectHeader})
        require(text->size() <= kSettingTextMax, "a text setting longer than its field");
    require(writeSettings(f.folder, *read), "settings not written");
    std::optional<Settings> back = readSettings(f.folder);
    // The file's twelve lines stand for all twelve values.
    require(back && formatSettings(*back) == formatSettings(*read),
            "settings read back differ from those written");
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzSettings)
