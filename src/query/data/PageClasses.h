#pragma once
// The question pages: each topic's page is described by a keyed record 'FQS2' of the application
// data file, numbered by the topic id, whose "TY" names the page's class code (2 when absent). The
// page factory makes a page of the kind the code names; a code outside its table makes no page.

#include <cstdint>
#include <memory>
#include <optional>

#include "foundation/Types.h"

class PFMFile;
class PText;

inline constexpr FourCC kPageRecordType = FourCCOf("FQS2");
inline constexpr const char* kPageClassKey = "TY";
inline constexpr std::int16_t kDefaultPageClass = 2;

enum class FQSPageKind {
    kQuestion,          // 0 and 2: a plain question page
    kDynamicRadio,      // 1: a storyform choice between a dynamic's two values
    kGeneralRadio,      // 3: a choice kept in a record of the story
    kSceneList,         // 4
    kScene,             // 5
    kRecap,             // 75: a recap of the storyform
    kStructuralFinder,  // 100: a choice among a story point's possible values
    kHome,              // 999
};

// The kind of page the factory makes for the class code; none for a code outside its table.
std::optional<FQSPageKind> PageKindForClass(std::int16_t classCode);

struct PageRecord {
    // The topic of the page: the one asked for, or the list's first topic in place of one without a
    // record.
    std::int16_t topic = -1;
    // The topic asked for has no record: the window goes to the list's first row.
    bool fellBack = false;
    // No record was found at all: the page is built from an empty record and shows no help.
    bool missing = true;
    std::int16_t classCode = kDefaultPageClass;
    // Never null; an empty record when none was found. Read only: it is never saved.
    std::unique_ptr<PText> record;
};

// The page record of the topic, else of the list's first topic, else an empty one, with its class
// code ("TY", 2 when absent or when no record exists).
PageRecord FindPageRecord(PFMFile* dataFile, std::int16_t topic, std::int16_t firstTopic);
