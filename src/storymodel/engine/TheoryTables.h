#pragma once
// The theory's constant tables: the element structure (4 classes, 16 types, 64 variations, 256
// elements and 112 group nodes, addressed by id 0-452), the 117 story points, the names of the two
// values of each of the eight dynamics, and the terminology keys of the text macros. The rows are
// compiled in (TheoryTableData.cpp, generated) and never change while the program runs.

#include <array>
#include <cstdint>

// One row of the element table.
struct ElementRecord {
    // Five digits: class, type, variation, element (each 1-4, or 0 where the code stops above that
    // level) and the level digit (0 for the items themselves, 1-4 for group nodes).
    char code[6];
    const char* name;     // in the theory's original vocabulary
    const char* altName;  // in the newer vocabulary, or null when there is none
};

// One row of the story point table.
struct StoryPointRecord {
    std::int16_t id;
    const char* code;  // the key in stored story records; null for value rows
    std::int16_t kind;
    const char* name;          // original vocabulary; may hold macros such as "{NDoma}"
    const char* altName;       // newer vocabulary, or null
    std::int16_t engineField;  // the engine data field that yields the point's value, or kNoEngineField
    const char* shortKey;      // four characters, or null for value rows
};

// Story point kinds.
enum StoryPointKind : std::int16_t {
    kDynamicAppreciationPoint = 0,
    kDynamicPoint = 1,      // Resolve .. Judgment
    kDomainLevelPoint = 2,  // domain, position, home class
    kConcernLevelPoint = 3,
    kIssueLevelPoint = 4,
    kElementLevelPoint = 5,
    kValueRow = 6,
};

// The two values of one dynamic, by name; the newer names are null where the vocabularies agree.
struct DynamicValueNames {
    const char* value1;
    const char* value2;
    const char* newValue1;
    const char* newValue2;
};

// One row of the terminology table: a macro key and its term in each vocabulary, or the id of the
// element or story point whose name stands for the key.
struct TerminologyRecord {
    const char* key;
    const char* newTerm;       // null for rows with an id
    const char* originalTerm;  // null for rows with an id
    std::uint16_t id;
};

inline constexpr int kElementCount = 453;
inline constexpr int kStoryPointCount = 117;
inline constexpr int kDynamicCount = 8;
inline constexpr int kTerminologyCount = 50;
inline constexpr std::int16_t kNoEngineField = 9999;

// Row ranges of the element table.
inline constexpr std::int16_t kFirstClassID = 1;
inline constexpr std::int16_t kFirstTypeID = 5;
inline constexpr std::int16_t kFirstVariationID = 21;
inline constexpr std::int16_t kFirstElementID = 85;
inline constexpr std::int16_t kFirstGroupID = 341;
inline constexpr std::int16_t kLastElementID = 452;
// The same 64 elements stand in every class, each class's rows in one fixed order, so
// (id - kFirstElementID) mod kElementsPerClass names an element whatever its class.
inline constexpr int kElementsPerClass = 64;

// Row indexes of the first story point of each throughline block (overall story, main character,
// impact character, subjective story); each block holds kThroughlinePointCount rows.
inline constexpr std::array<int, 4> kThroughlineFirstIndex = {41, 60, 79, 98};
inline constexpr int kThroughlinePointCount = 19;

extern const std::array<ElementRecord, kElementCount> kElementTable;
extern const std::array<StoryPointRecord, kStoryPointCount> kStoryPointTable;
extern const std::array<DynamicValueNames, kDynamicCount> kDynamicValueNames;
extern const std::array<TerminologyRecord, kTerminologyCount> kTerminologyTable;
