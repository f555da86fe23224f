#include "app/LeftOutRecords.h"

#include <algorithm>
#include <cctype>

#include "app/StrayRecords.h"
#include "foundation/pfm/FourCCText.h"
#include "foundation/pfm/PFM.h"
#include "storymodel/TextHelpers.h"

namespace {

struct RecordKind {
    FourCC type;
    const char* holds;
};

constexpr RecordKind kRecordKinds[] = {
    {FourCCOf("CHAR"), "a character"},
    {FourCCOf("CPIX"), "a character's picture"},
    {FourCCOf("SDI4"), "the story's information (its title, author and synopses)"},
    {FourCCOf("SDI3"), "the story's information (its title, author and synopses)"},
    {FourCCOf("SDOC"), "the story's information (its title, author and synopses)"},
    {FourCCOf("RESP"), "the storyform choices"},
    {FourCCOf("FCAP"), "the storyform's values in force"},
    {FourCCOf("STEL"), "the storytelling"},
    {FourCCOf("LOCK"), "the storyform locks"},
    {FourCCOf("QST3"), "which questions of the query system were answered"},
    {FourCCOf("SCNL"), "the scenes"},
    {FourCCOf("CILL"), "the characteristic notes"},
};

const char* WhatItHolds(FourCC type) {
    for (const RecordKind& kind : kRecordKinds)
        if (kind.type == type) return kind.holds;
    return "a part of the story";
}

// The type as its four characters when they are printable, else character by character.
std::string TypeText(FourCC type) {
    char text[8];
    FourCCToText(type, text);
    for (int i = 0; i < 4; ++i)
        if (!std::isprint(static_cast<unsigned char>(text[i]))) return DescribeFourCC(type);
    return std::string("'") + text + "'";
}

// One line for each record: its name or what it holds, then what became of it.
std::vector<std::string> Describe(const std::vector<PFMSegmentKey>& records,
                                  const std::function<std::string(PFMSegmentKey)>& name, const char* how) {
    std::vector<std::string> lines;
    for (const PFMSegmentKey& record : records) {
        const std::string named = name(record);
        lines.push_back(FormatText("%s: %s", named.empty() ? WhatItHolds(record.type) : named.c_str(), how));
    }
    return lines;
}

}  // namespace

std::vector<std::string> DescribeLeftOutRecords(const SegmentMap& records) {
    std::vector<std::string> lines;
    for (const SegmentMapRecord& record : records) {
        lines.push_back(FormatText(
            "%s: a second record the file lists as %s %u (the first one listed is kept)",
            WhatItHolds(record.type), TypeText(record.type).c_str(), static_cast<unsigned>(record.id)));
    }
    return lines;
}

std::vector<std::string> DescribeStrayRecords(const std::vector<StrayRecord>& records,
                                              const std::function<std::string(PFMSegmentKey)>& name) {
    std::vector<std::string> lines;
    for (const StrayRecord& record : records) {
        const std::string named = name(record.read);
        lines.push_back(
            FormatText(record.secondAt != 0 ? "%s: a second record the file lists as %s %u, read as written"
                                            : "%s: listed as %s %u, and read as written",
                       named.empty() ? WhatItHolds(record.read.type) : named.c_str(),
                       TypeText(record.listed.type).c_str(), static_cast<unsigned>(record.listed.id)));
    }
    return lines;
}

std::vector<std::string> DescribeMismappedRecords(PFMFile* store, const std::vector<PFMSegmentKey>& damaged,
                                                  const std::vector<PFMSegmentKey>& renumbered,
                                                  const std::function<std::string(PFMSegmentKey)>& name) {
    std::vector<PFMSegmentKey> unlisted;
    for (const SegmentMapRecord& record : PFMGetUnlistedRecords(store))
        unlisted.push_back({record.type, record.id});
    std::vector<PFMSegmentKey> remeasured = PFMTakeRemeasuredRecords(store);
    std::vector<PFMSegmentKey> mislisted = PFMTakeMislistedRecords(store);
    for (const PFMSegmentKey& key : renumbered)
        if (std::ranges::find(mislisted, key) == mislisted.end()) mislisted.push_back(key);
    for (auto* records : {&unlisted, &remeasured, &mislisted})
        std::erase_if(*records,
                      [&](PFMSegmentKey key) { return std::ranges::find(damaged, key) != damaged.end(); });
    std::vector<std::string> lines =
        Describe(unlisted, name, "missing from the file's list of its parts, and read as written");
    for (const std::string& line :
         Describe(remeasured, name, "its size was damaged in the file, and it was read as written"))
        lines.push_back(line);
    for (const std::string& line :
         Describe(mislisted, name,
                  "its entry in the file's list of its parts was damaged, and it was read as written"))
        lines.push_back(line);
    return lines;
}

std::vector<std::string> DescribeDamagedRecords(const std::vector<PFMSegmentKey>& records,
                                                const std::function<std::string(PFMSegmentKey)>& name) {
    return Describe(records, name, "part of it, damaged in the file");
}

std::vector<std::string> DescribeMendedRecords(const std::vector<PFMSegmentKey>& records,
                                               const std::function<std::string(PFMSegmentKey)>& name) {
    return Describe(records, name, "damaged in the file and mended, nothing it still held left out");
}

std::vector<std::string> DescribeLostRecords(const std::vector<PFMSegmentKey>& records,
                                             const std::function<std::string(PFMSegmentKey)>& name) {
    return Describe(records, name, "all of it, damaged in the file");
}
