#include "query/FQSHelpSources.h"

#include <cstring>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/RecordText.h"
#include "storymodel/TextMacroExpander.h"

std::optional<std::string> ReadSegmentText(PFMFile* store, FourCC type, std::int16_t id) {
    if (!store || id < 0) return std::nullopt;
    const CheckedOutHdl segment(type, static_cast<std::uint16_t>(id), store);
    const auto* bytes = static_cast<const char*>(segment.Data());
    if (!bytes) {
        PFMClearError();
        return std::nullopt;
    }
    const std::size_t size = MemSize(segment.Data());
    const void* end = std::memchr(bytes, '\0', size);
    return std::string(bytes, end ? static_cast<const char*>(end) - bytes : size);
}

std::optional<std::string> FQSHelpSources::DataText(FourCC type, std::int16_t id) {
    return ReadSegmentText(application_ ? application_->GetDataFile() : nullptr, type, id);
}

std::string FQSHelpSources::StorytellingText(const char* code) {
    if (!story_ || !story_->HasRecords()) return {};
    return RecordText(story_->GetStorytellingRecord(), code);
}

bool FQSHelpSources::HasContextFile() { return application_ && application_->GetContextFile(); }

std::optional<std::string> FQSHelpSources::ContextText(std::int16_t id) {
    return ReadSegmentText(application_ ? application_->GetContextFile() : nullptr, kContextType, id);
}

bool FQSHelpSources::HasExamplesFile() { return application_ && application_->OpenStoryExamplesFile(); }

std::optional<std::string> FQSHelpSources::ExampleText(FourCC type, std::int16_t id) {
    return ReadSegmentText(application_ ? application_->GetExamplesFile() : nullptr, type, id);
}

std::string FQSHelpSources::Expand(const std::string& text) { return ExpandText(story_, text.c_str()); }
