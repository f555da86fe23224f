#include "query/FQSHelpText.h"

#include <cstdio>
#include <cstring>

#include "foundation/TypedList.h"
#include "query/data/TopicTable.h"
#include "storymodel/NumberList.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

const char* const kHelpButtonLabels[kHelpSectionCount] = {
    "Explain", "Theory", "Usage", "{NST-Results}", "Help", "Definition", "Context", "Stories",
};

namespace {

constexpr std::string_view kUnderlineOn =
    "\xC7"
    "U+"
    "\xC8";
constexpr std::string_view kUnderlineOff =
    "\xC7"
    "U-"
    "\xC8";
constexpr std::string_view kPlainMargins =
    "\xC7"
    "M(0,0,0)"
    "\xC8";
constexpr std::string_view kPromptMargins =
    "\xC7"
    "M(10,10,10)"
    "\xC8";
constexpr std::string_view kLineBreaks = "\n\n";

// The impact character's Resolve, whose values lie 5 above the Main Character's.
constexpr std::int16_t kImpactResolve = 1005;
constexpr std::int16_t kFirstDynamicValue = 1000;
constexpr std::int16_t kLastDynamicValue = 1072;
constexpr std::int16_t kLastElement = kFirstGroupID - 1;

std::string Heading(std::string_view title, std::string_view after) {
    std::string text;
    text.append(kUnderlineOn).append(kBoldOn).append(title).append(kBoldOff).append(kUnderlineOff).append(after);
    return text;
}

std::string Bold(std::string_view text) {
    std::string bold;
    bold.append(kBoldOn).append(text).append(kBoldOff);
    return bold;
}

std::string Format(const char* format, std::int16_t a, std::int16_t b = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// What sections 6 to 8 ask a writer who has not chosen yet; a page that asks no choice shows
// nothing.
std::string ChoicePrompt(const FQSHelpPage& page, std::string_view lastWords) {
    if (!page.choiceQuestion) return {};
    std::string prompt;
    prompt.append(kLineBreaks).append(kPromptMargins).append(kItalicOn);
    prompt.append("Please select one of the available choices above to see its ").append(lastWords);
    prompt.append(kItalicOff);
    return prompt;
}

// The writer's text within kResultsTextLimit bytes; a longer one is cut after a whole word (or, a
// word too long for the room, inside it) and ends with "..." to show that it goes on.
std::string ShownStorytelling(std::string told) {
    if (told.size() <= kResultsTextLimit) return told;
    constexpr std::string_view kGoesOn = "...";
    constexpr std::string_view kSpaces = " \t\r\n";
    std::size_t end = kResultsTextLimit - kGoesOn.size();
    const std::size_t space = told.find_last_of(kSpaces, end);
    if (space != std::string::npos) end = told.find_last_not_of(kSpaces, space) + 1;
    if (end == 0) end = kResultsTextLimit - kGoesOn.size();
    told.resize(end);
    return told.append(kGoesOn);
}

bool IsIllustrationPage(const FQSHelpPage& page) {
    return page.kind == kFurtherStoryPointTopic || page.kind == kIllustrationTopic;
}

class SectionComposer {
public:
    SectionComposer(const FQSHelpPage& page, IFQSHelpSources& sources) : page_(page), sources_(sources) {}

    // Sections 1 to 3: the topic's text, or on an illustration page without one, its companion
    // question's.
    std::string TopicText(FourCC type, std::string_view title) {
        std::optional<std::string> text = NonEmpty(sources_.DataText(type, page_.topic));
        if (!text && IsIllustrationPage(page_) && page_.companion != 0)
            text = NonEmpty(sources_.DataText(type, page_.companion));
        if (!text) return {};
        return Heading(title, ":  ") + *text + SectionEnd();
    }

    std::string Results() {
        if (IsIllustrationPage(page_) || page_.companion == 0) return {};
        std::string text = Heading("{CST-Results} FOR THIS STORYFORMING QUESTION", ":\n");
        const char* code = StoryPointCode(page_.storyPoint);
        const std::string told =
            code && *code ? ShownStorytelling(sources_.StorytellingText(code)) : std::string();
        if (told.empty()) {
            text.append("\n").append(kItalicOn).append("You have not yet illustrated this story point");
            text.append(kItalicOff).append(".");
        } else {
            text += told;
        }
        return text + SectionEnd();
    }

    std::string PageHelp() {
        if (page_.helpPage == 0) return {};
        std::optional<std::string> text = NonEmpty(sources_.DataText(kPageHelpType, page_.helpPage));
        return text ? *text + SectionEnd() : std::string();
    }

    std::string Definition() {
        const std::int16_t n = page_.answer;
        if (n == 0) return EndedBy(ChoicePrompt(page_, "definition."), kLineBreaks);
        const auto m = static_cast<std::int16_t>(page_.storyPoint == kImpactResolve ? n + 5 : n);
        std::string macros = Format(":  {SNF(%hd)}:  {SDF(%hd)}.", n, m);
        std::string text = Heading("DEFINITION", "") + macros;
        if (n < kFirstDynamicValue || n > kLastDynamicValue) {
            const std::string synonyms = Format(":  {SYN(%hd)}.", n);
            text += "\n" + Heading("SYNONYMS", "") + synonyms;
            macros += synonyms;
        }
        if (n >= 0 && n <= kFirstDynamicValue) {
            const std::string pair = Format(":  {DNF(%hd)}, {DDF(%hd)}.", n, n);
            text += "\n" + Heading("DYNAMIC PAIR", "") + pair;
            macros += pair;
        }
        const std::string longDefinition = Format(":  {SLD(%hd)}", m);
        text += "\n" + Heading("LONG DEFINITION", "") + longDefinition;
        macros += longDefinition;
        text.append(kLineBreaks);
        if (n < kFirstDynamicValue) return text;
        // A story point value's definitions: shown only when the story's terms give some.
        if (!HasWords(sources_.Expand(MacrosOnly(macros)))) return {};
        return sources_.Expand(text);
    }

    std::string Context() {
        const std::int16_t n = page_.answer;
        if (n == 0) return EndedBy(ChoicePrompt(page_, "use in context."), SectionEnd());
        if (!sources_.HasContextFile()) return {};
        const std::optional<std::string> example =
            NonEmpty(sources_.ContextText(ContextRecordId(page_.storyPoint, n)));
        if (!example) return {};
        const StoryPointRecord* point = StoryPointByID(page_.storyPoint);
        std::string text = Heading("CONTEXTUAL EXAMPLE", ":  ") + Format("{SNF(%hd)} as the ", n);
        text += Bold(point ? StoryPointDisplayName(*point) : "") + "  --  " + *example;
        return text + SectionEnd();
    }

    std::string Stories() {
        if (!sources_.HasExamplesFile()) return {};
        const std::int16_t n = page_.answer;
        if (n == 0) return EndedBy(ChoicePrompt(page_, "similar use in other stories (if any)."), kLineBreaks);
        const std::int16_t j = ExampleRecordId(n);
        const StoryPointRecord* point = StoryPointByID(page_.storyPoint);
        if (!point || !point->shortKey || std::strlen(point->shortKey) < 4) return {};
        const char* key = point->shortKey;
        const std::optional<std::string> examples =
            NonEmpty(sources_.ExampleText(MakeFourCC(key[0], key[1], key[2], key[3]), j));
        if (!examples) return {};
        const StoriesWording wording = StoriesWordingFor(point->code);
        const char* valueName = n < kFirstDynamicValue ? ElementName(j) : StoryPointName(j);
        std::string text = Heading("STORIES", "") + " that have " + wording.article;
        text += Bold(wording.words + StoryPointDisplayName(*point)) + " of " + Bold(valueName ? valueName : "");
        text += ":\n" + *examples;
        text.append(kLineBreaks);
        return text;
    }

private:
    static std::string SectionEnd() {
        std::string end(kLineBreaks);
        end.append(kPlainMargins);
        return end;
    }
    // The text and its ending; nothing for no text.
    static std::string EndedBy(std::string text, std::string_view end) {
        if (!text.empty()) text.append(end);
        return text;
    }
    static std::optional<std::string> NonEmpty(std::optional<std::string> text) {
        if (text && text->empty()) return std::nullopt;
        return text;
    }
    // The {...} macros of a text, without the text between them.
    static std::string MacrosOnly(const std::string& text) {
        std::string macros;
        for (std::size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
            const std::size_t close = text.find('}', open);
            if (close == std::string::npos) break;
            macros.append(text, open, close - open + 1);
        }
        return macros;
    }
    static bool HasWords(const std::string& text) {
        return text.find_first_not_of(" \t\r\n") != std::string::npos;
    }

    const FQSHelpPage& page_;
    IFQSHelpSources& sources_;
};

}  // namespace

HelpButtonStates ParseHelpButtonStates(const char* text) {
    HelpButtonStates states{};
    if (!text) {
        states[kExplainSection] = 1;
        return states;
    }
    SList numbers;
    TextToShortList(text, numbers);
    for (std::int32_t i = 0; i < numbers.Count() && i < kHelpSectionCount; ++i)
        states[static_cast<std::size_t>(i)] = numbers.GetAt(i);
    return states;
}

std::string FormatHelpButtonStates(const HelpButtonStates& states) {
    String text;
    ShortArrayToText(text, states.data(), kHelpSectionCount);
    return text.CStr() ? text.CStr() : "";
}

std::int16_t ContextRecordId(std::int16_t storyPoint, std::int16_t answer) {
    std::int32_t place = answer;
    if (answer >= kFirstElementID && answer <= kLastElement) {
        place = (answer - kFirstElementID) % kElementsPerClass + 1;
    } else if (answer >= kFirstDynamicValue && answer <= kLastDynamicValue) {
        place = answer - storyPoint;
    }
    std::int32_t id = storyPoint + place;
    if (storyPoint == kImpactResolve) id += 5;
    return static_cast<std::int16_t>(id);
}

std::int16_t ExampleRecordId(std::int16_t answer) {
    if (answer >= kFirstElementID && answer <= kLastElement)
        return static_cast<std::int16_t>((answer - kFirstElementID) % kElementsPerClass + kFirstElementID);
    return answer;
}

StoriesWording StoriesWordingFor(const char* code) {
    StoriesWording wording;
    const std::string_view text = code ? code : "";
    const std::string_view prefix = text.substr(0, 2);
    if (prefix == "ST") {
        wording = {"an ", "{NObje} Story "};
    } else if (prefix == "MC") {
        wording = {"a ", "Main Character "};
    } else if (prefix == "OC") {
        wording = {"an ", "{NObst} Character "};
    } else if (prefix == "PL") {
        wording = {"a ", "{NSubj} Story "};
    }
    const char third = text.size() > 2 ? text[2] : '\0';
    if (third == 'G' || (text.size() > 2 && text.substr(2, 2) == "Re")) {
        wording.words = "Story ";
        wording.article = third == 'R' || text.starts_with('M') ? "" : "a ";
    }
    return wording;
}

std::array<std::string, kHelpSectionCount> ComposeHelpSections(const FQSHelpPage& page, IFQSHelpSources& sources) {
    SectionComposer composer(page, sources);
    return {
        composer.TopicText(kExplainType, "EXPLANATION"),
        composer.TopicText(kTheoryType, "THEORY"),
        composer.TopicText(kUsageType, "USAGE"),
        composer.Results(),
        composer.PageHelp(),
        composer.Definition(),
        composer.Context(),
        composer.Stories(),
    };
}

std::string JoinHelpSections(const std::array<std::string, kHelpSectionCount>& sections,
                             const HelpButtonStates& states, std::size_t limit) {
    std::string joined;
    for (int i = 0; i < kHelpSectionCount; ++i) {
        const std::string& section = sections[static_cast<std::size_t>(i)];
        if (states[static_cast<std::size_t>(i)] == 0 || section.empty()) continue;
        if (joined.size() + section.size() + 1 > limit) continue;
        joined += section;
    }
    return joined;
}

FQSHelpComposition ComposeFQSHelp(const FQSHelpPage& page, const HelpButtonStates& states,
                                  IFQSHelpSources& sources) {
    const std::array<std::string, kHelpSectionCount> sections = ComposeHelpSections(page, sources);
    FQSHelpComposition composition;
    for (int i = 0; i < kHelpSectionCount; ++i)
        composition.enabled[static_cast<std::size_t>(i)] = !sections[static_cast<std::size_t>(i)].empty();
    composition.text = JoinHelpSections(sections, states);
    return composition;
}
