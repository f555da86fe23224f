#pragma once
// The query system's compiled-in tables, from their sources in data/query: the topic table
// (topics.table) and the three appreciation tables of the scene pages (appreciations.table). The
// data compiler checks them, writes them as the program's C++ tables, and checks the question lists
// and page records of the application data file against them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Diagnostics.h"
#include "datafiles/SourceReader.h"

inline constexpr int kTopicRowCount = 762;
inline constexpr std::size_t kAppreciationKinds = 3;
inline constexpr std::array<std::size_t, kAppreciationKinds> kAppreciationRows = {38, 156, 53};

inline constexpr std::string_view kTopicTableFile = "topics.table";
inline constexpr std::string_view kAppreciationTableFile = "appreciations.table";

// Topic kinds as the program numbers them.
enum TopicKindCode : std::int16_t {
    kTopicCharacter = 0,
    kTopicPoint = 2,
    kTopicFurther = 3,
    kTopicIllustration = 4,
    kTopicScene = 5,
    kTopicInfo = 8,
    kTopicStory = 9,
};

struct TopicSourceRow {
    std::int16_t kind = kTopicInfo;
    std::int16_t storyPointIndex = 0;
    std::int16_t group = 9;
    std::string title;  // stored bytes
    bool used = false;  // false for the rows no page uses yet
    SourcePlace place;
};

struct AppreciationSourceRow {
    std::uint16_t code = 0;
    std::int16_t appreciation = -1;
    std::int16_t level = 1;
    std::int16_t itemClass = 0;
    std::int16_t storyPoint = 0;  // id, 0 for none
    std::optional<std::string> content;
    std::string name;
    SourcePlace place;
};

struct QueryTables {
    std::vector<TopicSourceRow> topics;  // by topic id
    std::array<std::vector<AppreciationSourceRow>, kAppreciationKinds> appreciations;
};

// Reads and checks a topic table source; the rows read, whatever the errors.
std::vector<TopicSourceRow> ReadTopicTable(const std::string& path, std::string_view contents,
                                           Diagnostics& diagnostics);
// Reads and checks an appreciation table source.
std::array<std::vector<AppreciationSourceRow>, kAppreciationKinds> ReadAppreciationTables(
    const std::string& path, std::string_view contents, Diagnostics& diagnostics);
// Reads both sources of the folder; nothing when either has errors.
std::optional<QueryTables> ReadQueryTables(const std::string& folder, Diagnostics& diagnostics);

// The C++ source of the program's tables.
std::string QueryTablesSource(const QueryTables& tables);
// Reads the folder's sources and writes the C++ source; false (nothing written) on errors.
bool WriteQueryTables(const std::string& folder, const std::string& output, Diagnostics& diagnostics);
