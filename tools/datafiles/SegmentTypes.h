#pragma once
// The kinds of data sources, and what the program makes of each segment type its data files hold:
// which kind of source describes it and, for records and texts, the rules its contents follow.
//
// Adding a record family (question lists, help texts, report templates...): add a line for its
// segment type to the table in SegmentTypes.cpp, with its schema (RecordSchemas.cpp) or text rules.

#include <cstddef>
#include <string_view>
#include <vector>

#include "datafiles/RecordSchemas.h"
#include "datafiles/SourceKind.h"
#include "datafiles/TextNotation.h"
#include "foundation/Types.h"

struct SegmentType {
    FourCC type;
    const SourceKind& kind;
    std::string_view what;  // for messages: "an item list"
    const RecordSchema* schema = nullptr;
    // Text segments: the notation of their text and the longest text the program reads (0: any).
    Notation notation = Notation::kPlain;
    std::size_t maxTextLength = 0;
    // Why a text is no longer than that, when it is a rule of the writing rather than what the
    // program reads: "a definition is one phrase of".
    std::string_view lengthRule = {};
};

// The error for a text of that length in a segment of the type; empty when the length is allowed.
std::string TextLengthError(const SegmentType& type, std::size_t length);

// Null for a type the table does not know.
const SegmentType* FindSegmentType(FourCC type);

// The kinds, by the word that starts a source's header; null for an unknown word.
const SourceKind* FindSourceKind(std::string_view keyword);
const std::vector<const SourceKind*>& AllSourceKinds();

// Each kind of source.
const SourceKind& KeyedRecordSource();
const SourceKind& TextSource();
const SourceKind& StyledTextSource();
const SourceKind& ItemListSource();
const SourceKind& CursorSource();
const SourceKind& PictureSource();
const SourceKind& RawSource();
