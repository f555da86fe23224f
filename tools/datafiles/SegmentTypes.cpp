#include "datafiles/SegmentTypes.h"

#include "datafiles/QueryRecords.h"
#include "datafiles/SetSourceKind.h"

namespace {

// Every segment type the data files hold, with its kind of source. Keyed records that no schema
// describes yet are still compiled, without checks of their keys.
const std::vector<SegmentType>& SegmentTypeTable() {
    static const std::vector<SegmentType> table = {
        {FourCCOf("INFO"), KeyedRecordSource(), "the version record", &kInfoSchema},
        {FourCCOf("PPNN"), KeyedRecordSource(), "the pronoun record", &kPronounSchema},
        {FourCCOf("QLST"), KeyedRecordSource(), "a question list", &kQuestionListSchema},
        {FourCCOf("FQS2"), KeyedRecordSource(), "a question page", &kPageSchema},
        // The query window's help texts, by topic ('FQSH' by a page's "HP"): the help pane joins and
        // expands them within its 30,720 bytes.
        {FourCCOf("FQQE"), StyledTextSource(), "a question's explanation", nullptr, Notation::kStyled, 30719},
        {FourCCOf("FQBG"), StyledTextSource(), "a question's theory", nullptr, Notation::kStyled, 30719},
        {FourCCOf("FQUS"), StyledTextSource(), "a question's usage notes", nullptr, Notation::kStyled, 30719},
        {FourCCOf("FQSH"), StyledTextSource(), "a page's help", nullptr, Notation::kStyled, 30719},
        {FourCCOf("RPTX"), KeyedRecordSource(), "a report template", &kReportTemplateSchema},
        {FourCCOf("ITM#"), ItemListSource(), "an item list"},
        {FourCCOf("CURS"), CursorSource(), "a cursor"},
        {FourCCOf("BITM"), PictureSource(), "a picture"},
        {FourCCOf("CPIX"), PictureSource(), "a character picture"},
        // The theory dictionary, read by the definition macros; written in dictionary sources.
        {FourCCOf("SNNS"), StyledTextSource(), "a theory item's name", nullptr, Notation::kStyled, 63,
         "a name has at most"},
        {FourCCOf("SNPL"), StyledTextSource(), "a theory item's plural name", nullptr, Notation::kStyled, 63,
         "a name has at most"},
        {FourCCOf("SDEF"), StyledTextSource(), "a definition", nullptr, Notation::kStyled, 249,
         "a definition is one phrase of at most"},
        {FourCCOf("LDEF"), StyledTextSource(), "a long definition", nullptr, Notation::kStyled, 1600,
         "a long definition is one paragraph of at most"},
        {FourCCOf("SYNS"), StyledTextSource(), "a list of synonyms", nullptr, Notation::kStyled, 249,
         "a list of synonyms has at most"},
        {FourCCOf("SVRB"), KeyedRecordSource(), "a theory item's verb", &kVerbSchema},
        {FourCCOf("LVRB"), KeyedRecordSource(), "the shared verb forms", &kVerbFormsSchema},
        {FourCCOf("APPR"), KeyedRecordSource(), "a story point's description", &kStoryPointSchema},
        {FourCCOf("CNTX"), StyledTextSource(), "a contextual example", nullptr, Notation::kStyled},
    };
    return table;
}

}  // namespace

std::string TextLengthError(const SegmentType& type, std::size_t length) {
    if (!type.maxTextLength || length <= type.maxTextLength) return {};
    const std::string rule =
        type.lengthRule.empty() ? "the program reads at most" : std::string(type.lengthRule);
    return "the text has " + std::to_string(length) + " characters; " + rule + " " +
           std::to_string(type.maxTextLength);
}

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

const std::vector<const SetSourceKind*>& AllSetSourceKinds() {
    static const std::vector<const SetSourceKind*> kinds = {&DictionarySource(), &VerbSource(),
                                                            &StoryPointSource()};
    return kinds;
}

const SetSourceKind* FindSetSourceKind(std::string_view extension) {
    for (const SetSourceKind* kind : AllSetSourceKinds()) {
        if (kind->Extension() == extension) return kind;
    }
    return nullptr;
}
