#include "storywindows/StoryInformation.h"

#include <utility>

#include "foundation/pfm/PText.h"
#include "storymodel/RecordText.h"

const std::array<StoryInformation::Field, StoryInformation::kLineCount> StoryInformation::kLines = {{
    {"Title", "Title:"},
    {"Author", "Author:"},
    {"Genre", "Genre:"},
    {"OSName", "{NObje} Story name:"},
    {"SSName", "{NSubj} Story name:"},
}};

const std::array<StoryInformation::Field, StoryInformation::kSynopsisCount> StoryInformation::kSynopses = {{
    {"Synopsis", "Story"},
    {"OSSynopsis", "{NObje} Story"},
    {"SSSynopsis", "{NSubj} Story"},
    {"MCSynopsis", "Main Character"},
    {"OCSynopsis", "{NObst} Character"},
    {"MCActivity", "Main Character's Activity"},
    {"OCActivity", "{NObst} Character's Activity"},
    {"CharSynGen", "Characters"},
    {"PlotSynGen", "Plot"},
    {"ThemeSynGen", "Theme"},
}};

namespace {

// Writes the text, or takes the key away for an empty text; whether the record changed.
bool Store(PText& record, const char* key, const std::string& text) {
    if (text.empty()) return record.HasKey(key) && record.Remove(key) == kNoErr;
    return WriteRecordText(record, key, text.c_str()) > 0;
}

}  // namespace

void StoryInformation::Read(PText& record) {
    for (std::size_t i = 0; i < kLineCount; ++i) lines_[i] = RecordText(record, kLines[i].key);
    for (std::size_t i = 0; i < kSynopsisCount; ++i) synopses_[i] = RecordText(record, kSynopses[i].key);
}

bool StoryInformation::Write(PText& record) const {
    bool changed = false;
    for (std::size_t i = 0; i < kLineCount; ++i) changed |= Store(record, kLines[i].key, lines_[i]);
    for (std::size_t i = 0; i < kSynopsisCount; ++i) changed |= Store(record, kSynopses[i].key, synopses_[i]);
    return changed;
}

void StoryInformation::SetLine(std::size_t i, std::string text) {
    if (i < kLineCount) lines_[i] = std::move(text);
}

void StoryInformation::SetSynopsis(std::size_t i, std::string text) {
    if (i < kSynopsisCount) synopses_[i] = std::move(text);
}
