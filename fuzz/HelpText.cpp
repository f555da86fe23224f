// The query window's help as the files give it: the stored help-button states ("HlpBtns" of the
// preferences) and the help texts of the data, context and examples files. Whatever the bytes, the
// states read back as they were written, and the joined help text stays within its limit and is
// made of whole sections only, in their order.

#include <array>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "query/FQSHelpText.h"

namespace {

// Every text any source is asked for is the same file text; a page of the input's values asks for it.
class FileSources : public IFQSHelpSources {
public:
    explicit FileSources(std::string text) : text_(std::move(text)) {}
    std::optional<std::string> DataText(FourCC, std::int16_t) override { return text_; }
    std::string StorytellingText(const char*) override { return text_.substr(0, kResultsTextLimit); }
    bool HasContextFile() override { return true; }
    std::optional<std::string> ContextText(std::int16_t) override { return text_; }
    bool HasExamplesFile() override { return true; }
    std::optional<std::string> ExampleText(FourCC, std::int16_t) override { return text_; }
    std::string Expand(const std::string& text) override { return text; }

private:
    std::string text_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FQSHelpPage page;
    page.topic = static_cast<std::int16_t>(input.Short() % 762);
    page.kind = static_cast<std::int16_t>(input.Byte() % 10);
    page.storyPoint = static_cast<std::int16_t>(input.Short());
    page.companion = static_cast<std::int16_t>(input.Short());
    page.helpPage = static_cast<std::int16_t>(input.Short());
    page.answer = static_cast<std::int16_t>(input.Short());
    page.choiceQuestion = (input.Byte() & 1) != 0;
    const std::size_t limit = input.Short();
    const std::string states(input.Bytes(input.Byte()));
    const std::string text(input.Rest());

    const HelpButtonStates parsed = ParseHelpButtonStates(states.c_str());
    FUZZ_CHECK(ParseHelpButtonStates(FormatHelpButtonStates(parsed).c_str()) == parsed);

    FileSources sources(text);
    const std::array<std::string, kHelpSectionCount> sections = ComposeHelpSections(page, sources);
    const std::string joined = JoinHelpSections(sections, parsed, limit);
    FUZZ_CHECK(joined.empty() || joined.size() < limit);
    // Whole sections of buttons that are on, in order.
    std::size_t at = 0;
    for (int i = 0; i < kHelpSectionCount && at < joined.size(); ++i) {
        const std::string& section = sections[static_cast<std::size_t>(i)];
        if (parsed[static_cast<std::size_t>(i)] != 0 && !section.empty() && joined.compare(at, section.size(), section) == 0)
            at += section.size();
    }
    FUZZ_CHECK(at == joined.size());
    return 0;
}
