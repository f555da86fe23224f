#include "query/keywords/NavigationKeywords.h"

#include <cstdio>
#include <cstring>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "items/ItemList.h"
#include "items/printing/PrintErrors.h"
#include "query/FQSNodePredicates.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/keywords/KeywordSupport.h"
#include "reports/PrintFablecoreReport.h"
#include "storymodel/CharInfoRec.h"

namespace {

// The smallest room in which a number is written.
constexpr std::int32_t kNumberRoom = 8;

// The throughline names by style and index.
constexpr const char* kLongNames[] = {"{NObje}", "Main Character", "{NObst} Character", "{NSubj}"};
constexpr const char* kShortNames[] = {"OS", "MC", "OC", "{NSS}"};
constexpr const char* kAbbreviations[] = {"ST", "MC", "OC", "PL"};

// Reads the throughline selector after the ",": a digit 0-3 or one of the abbreviations. -1, and
// nothing read, for anything else.
std::int16_t ReadThroughlineSelector(const char*& source) {
    if (*source >= '0' && *source <= '3') return static_cast<std::int16_t>(*source++ - '0');
    for (std::int16_t index = 0; index < 4; ++index) {
        if (std::strncmp(source, kAbbreviations[index], 2) == 0) {
            source += 2;
            return index;
        }
    }
    return -1;
}

}  // namespace

// --- Buttons

void KGotoPage::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    keywords::SelectFirstNode(document,
                              NodeMatchesTopicID(static_cast<std::int16_t>(binding.GetParameter())));
}

void KGotoQLST::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    FQSGoToTarget target;
    target.listId = static_cast<std::int16_t>(binding.GetParameter());
    keywords::RequestGoTo(document, target);
}

void KPrintRep::Execute(IStoryDocument* document, const FQSInterpretation& binding) {
    FKDoc* story = keywords::StoryOf(document);
    if (!story) return;
    TWindow* owner = keywords::QueryWindowOf(document);
    if (!owner) owner = story->GetFrontEndWindow();
    auto* list = owner ? dynamic_cast<ItemList*>(owner->GetItemList()) : nullptr;
    if (!list) return;
    PrintFablecoreReport printer(list, story);
    printer.Print(static_cast<std::int16_t>(binding.GetParameter()));
    if (printer.GetPrintStatus() != 0) ShowPrintError(printer.GetPrintStatus(), kJobTitle);
}

// --- Numbers

TFQSInterpretable* ContextNumberText::Interpret(char* out, const char*& source, std::int32_t remaining,
                                                IStoryDocument*, FQSInterpretation& interpretation,
                                                std::int32_t&) {
    const int n = ReadKeywordNumber(source);
    if (remaining >= kNumberRoom) std::snprintf(out, kNumberRoom, "%d", Field(interpretation) + n + 1);
    return nullptr;
}

std::int16_t KACT::Field(const FQSInterpretation& interpretation) const {
    return interpretation.GetActIndex();
}

std::int16_t KSpJr::Field(const FQSInterpretation& interpretation) const {
    return interpretation.GetActIndex();
}

std::int16_t KINTER::Field(const FQSInterpretation& interpretation) const {
    return interpretation.GetStorytellingIndex();
}

// --- Names

TFQSInterpretable* KNAME::Interpret(char* out, const char*& source, std::int32_t remaining,
                                    IStoryDocument* document, FQSInterpretation& interpretation,
                                    std::int32_t&) {
    const char digit = *source;
    if (digit != '\0') ++source;
    const CharID id = digit == '1' ? interpretation.GetCharacter() : interpretation.GetSecondCharacter();
    if (CharInfoRec* character = keywords::CharacterOf(document, id))
        keywords::WriteWhole(out, character->Name().c_str(), remaining);
    return nullptr;
}

TFQSInterpretable* KTHR::Interpret(char* out, const char*& source, std::int32_t remaining, IStoryDocument*,
                                   FQSInterpretation& interpretation, std::int32_t&) {
    const char style = *source;
    if (style == '\0') return nullptr;
    ++source;
    std::int16_t index = interpretation.ReadThroughline();
    if (*source == ',') {
        ++source;
        index = ReadThroughlineSelector(source);
    }
    if (index < 0 || index > 3) return nullptr;
    const char* const* names = style == 'L' ? kLongNames : style == 'S' ? kShortNames : kAbbreviations;
    keywords::WriteWhole(out, names[index], remaining);
    return nullptr;
}
