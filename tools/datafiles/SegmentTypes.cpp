#include "datafiles/SegmentTypes.h"

#include "datafiles/QueryRecords.h"

namespace {

// Every segment type the data files hold, with its kind of source. Keyed records that no schema
// describes yet are still compiled, without checks of their keys.
const std::vector<SegmentType>& SegmentTypeTable() {
    static const std::vector<SegmentType> table = {
        {FourCCOf("INFO"), KeyedRecordSource(), "the version record", &kInfoSchema},
        {FourCCOf("PPNN"), KeyedRecordSource(), "the pronoun record", &kPronounSchema},
        {FourCCOf("QLST"), KeyedRecordSource(), "a question list", &kQuestionListSchema},
        {FourCCOf("FQS2"), KeyedRecordSource(), "a question page", &kPageSchema},
        {FourCCOf("RPTX"), KeyedRecordSource(), "a report template", &kReportTemplateSchema},
        {FourCCOf("ITM#"), ItemListSource(), "an item list"},
        {FourCCOf("CURS"), CursorSource(), "a cursor"},
        {FourCCOf("BITM"), PictureSource(), "a picture"},
        {FourCCOf("CPIX"), PictureSource(), "a character picture"},
    };
    return table;
}

}  // namespace

const SegmentType* FindSegmentType(FourCC type) {
    for (const SegmentType& entry : SegmentTypeTable()) {
        if (entry.type == type) return &entry;
    }
    return nullptr;
}

const std::vector<const SourceKind*>& AllSourceKinds() {
    static const std::vector<const SourceKind*> kinds = {
        &KeyedRecordSource(), &TextSource(),    &StyledTextSource(), &ItemListSource(),
        &CursorSource(),      &PictureSource(), &RawSource(),
    };
    return kinds;
}

const SourceKind* FindSourceKind(std::string_view keyword) {
    for (const SourceKind* kind : AllSourceKinds()) {
        if (kind->Keyword() == keyword) return kind;
    }
    return nullptr;
}
