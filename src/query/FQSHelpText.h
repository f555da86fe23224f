#pragma once
// The query window's help pane: eight sections, one per help button, each composed from its own
// source for the page shown. A button is enabled when its section has text, and its section is
// shown while the button is on. The sections shown are joined (whole sections only, within the
// pane's 30,720 bytes) and expanded for the story.
//
//   1 Explain      'FQQE' of the topic (on an illustration page, of its companion question "CQ"
//                  when the topic has none)
//   2 Theory       'FQBG', chosen the same way
//   3 Usage        'FQUS', chosen the same way
//   4 Results      the writer's storytelling text for the page's story point (not on illustration
//                  pages, and only on pages with a companion question)
//   5 Help         'FQSH' of the page's help page "HP"
//   6 Definition   the theory definitions of the page's current answer
//   7 Context      'CNTX' of the context file: an example of the answer in context
//   8 Stories      the story examples file: other stories with the same answer
//
// Sections 6 to 8 ask the writer to choose on a choice question without an answer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "foundation/Types.h"

inline constexpr int kHelpSectionCount = 8;
// The joined help text holds at most this many bytes, its NUL included.
inline constexpr std::size_t kHelpTextLimit = 30720;
// The storytelling text of a story point is shown within this many bytes: a longer one ends after
// its last whole word that leaves room for "...".
inline constexpr std::size_t kResultsTextLimit = 99;

inline constexpr FourCC kExplainType = FourCCOf("FQQE");
inline constexpr FourCC kTheoryType = FourCCOf("FQBG");
inline constexpr FourCC kUsageType = FourCCOf("FQUS");
inline constexpr FourCC kPageHelpType = FourCCOf("FQSH");
inline constexpr FourCC kContextType = FourCCOf("CNTX");

enum HelpSection : int {
    kExplainSection,
    kTheorySection,
    kUsageSection,
    kResultsSection,
    kPageHelpSection,
    kDefinitionSection,
    kContextSection,
    kStoriesSection,
};

// The buttons' labels (templates), in order.
extern const char* const kHelpButtonLabels[kHelpSectionCount];

using HelpButtonStates = std::array<std::int16_t, kHelpSectionCount>;
// The stored states ("HlpBtns": comma-separated numbers; null when the key is missing, which turns
// the first button on). Missing numbers are off; numbers beyond the eighth are ignored.
HelpButtonStates ParseHelpButtonStates(const char* text);
std::string FormatHelpButtonStates(const HelpButtonStates& states);

// What the help reads of the page shown.
struct FQSHelpPage {
    std::int16_t topic = -1;
    // The topic-table kind of the topic.
    std::int16_t kind = -1;
    // "AP": the story point the page works on; 0 for none.
    std::int16_t storyPoint = 0;
    // "CQ": the companion question's topic; 0 for none.
    std::int16_t companion = 0;
    // "HP": the page's help text; 0 for none.
    std::int16_t helpPage = 0;
    // The element or story point value the page's current choice stands for; 0 for none.
    std::int16_t answer = 0;
    bool choiceQuestion = false;
};

// Where the sections come from.
class IFQSHelpSources {
public:
    virtual ~IFQSHelpSources() = default;
    // A text of the application data file; none when it has no such segment.
    virtual std::optional<std::string> DataText(FourCC type, std::int16_t id) = 0;
    // The story's storytelling text under a story point's code, whole; empty when it has none.
    virtual std::string StorytellingText(const char* code) = 0;
    // The context file's example of the id; none without the file or the example.
    virtual bool HasContextFile() = 0;
    virtual std::optional<std::string> ContextText(std::int16_t id) = 0;
    // The story examples file, opened on first use; its text of the type and id.
    virtual bool HasExamplesFile() = 0;
    virtual std::optional<std::string> ExampleText(FourCC type, std::int16_t id) = 0;
    // The template expanded for the story.
    virtual std::string Expand(const std::string& text) = 0;
};

// The context file's record id of an answer on a page of the story point: the story point id plus
// the answer's place among its values (an element: (n - 85) mod 64 + 1; a dynamic's value: n - AP;
// any other answer: n), plus 5 on the impact character's Resolve (1005).
std::int16_t ContextRecordId(std::int16_t storyPoint, std::int16_t answer);
// The story examples' record id of an answer: an element folded onto the first class's elements
// ((n - 85) mod 64 + 85), any other answer as it is.
std::int16_t ExampleRecordId(std::int16_t answer);
// The article and the throughline's words before a story point's name in the Stories section.
struct StoriesWording {
    std::string article;
    std::string words;
};
StoriesWording StoriesWordingFor(const char* code);

// Every section's text, empty when it has none.
std::array<std::string, kHelpSectionCount> ComposeHelpSections(const FQSHelpPage& page, IFQSHelpSources& sources);
// The sections of the buttons that are on, in order; a section that no longer fits within the limit
// (its NUL included) is left out whole, so no style code or macro is ever cut.
std::string JoinHelpSections(const std::array<std::string, kHelpSectionCount>& sections,
                             const HelpButtonStates& states, std::size_t limit = kHelpTextLimit);

struct FQSHelpComposition {
    // Each button is enabled when its section has text.
    std::array<bool, kHelpSectionCount> enabled{};
    // The joined text, not yet expanded.
    std::string text;
};
FQSHelpComposition ComposeFQSHelp(const FQSHelpPage& page, const HelpButtonStates& states,
                                  IFQSHelpSources& sources);
