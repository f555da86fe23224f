#pragma once
// What the program reads from the keyed records of its data files: for each record family, the
// keys it knows, their value types, ranges and length limits. The compiler refuses keys and values
// that the program would not read as meant; the decompiler writes templates in the notation their
// keys call for.
//
// Adding a record family: write its key rules and schema in RecordSchemas.cpp and name the schema
// in the segment type table (SegmentTypes.cpp).

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/TextNotation.h"

struct KeyRule {
    std::string_view key = {};  // the key, or a description of the keys a pattern matches
    char type = 'c';
    // Numbers: the range (both 0: the type's whole range). Texts: the longest text, in bytes (0:
    // the record's own limit).
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::size_t maxLength = 0;
    Notation notation = Notation::kPlain;
    // For a family of keys: whether a key belongs to it (with the reason when it does not fit).
    bool (*matches)(std::string_view key, std::string& why) = nullptr;
};

// The values a record holds, as its checks see them.
struct RecordValue {
    char type;
    std::string text;  // a text's bytes (without the NUL)
    int line;
};

using RecordValueLookup = std::function<const RecordValue*(std::string_view key)>;
using RecordError = std::function<void(int line, const std::string& message)>;

struct RecordSchema {
    std::string_view name;  // for messages: "the version record"
    std::span<const KeyRule> keys;
    // Checks that concern several keys, given the record's keys in order; may be null.
    void (*check)(const std::vector<std::string_view>& keys, const RecordValueLookup& values,
                  const RecordError& error) = nullptr;
    // Checks that depend on the record's number as well; may be null.
    void (*checkNumbered)(std::uint16_t number, const std::vector<std::string_view>& keys,
                          const RecordValueLookup& values, const RecordError& error) = nullptr;
    // Its templates are read by the page keyword interpreter before the macro expander.
    bool pageTemplates = false;
    // Its templates may wait on the storyform's choices (ReportConditionCheck.h).
    bool reportTemplates = false;

    // The rule of a key; null when the record has no such key. why receives the reason a key of a
    // family does not fit it.
    const KeyRule* Find(std::string_view key, std::string& why) const;
    // "MajVer, MinVer, ..." for messages.
    std::string KeyList() const;
};

// 'INFO' 0 of the application data file: the version keys and the texts of the about box.
extern const RecordSchema kInfoSchema;
// 'PPNN' 1 of the application data file: the pronouns the text macros read.
extern const RecordSchema kPronounSchema;
// 'RPTX' records of the application data file: the fixed texts of the reports.
extern const RecordSchema kReportTemplateSchema;
// 'SVRB' n of the application data file: the verb of a theory item, by its folded id.
extern const RecordSchema kVerbSchema;
// 'LVRB' 1 of the application data file: the forms of "be" that shared verbs begin with.
extern const RecordSchema kVerbFormsSchema;
// 'APPR' n of the application data file: a story point's code, name, description and report line.
extern const RecordSchema kStoryPointSchema;
