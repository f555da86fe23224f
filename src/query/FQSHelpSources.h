#pragma once
// Where the query window's help sections come from in the running program: the application data
// file's help texts, the story's storytelling texts, the context file and the story examples file.

#include <optional>
#include <string>

#include "query/FQSHelpText.h"

class FKDoc;
class Fablecore;
class PFMFile;

// A text segment of the store: its bytes up to the first NUL, or to the segment's end when it has
// none; none when the store lacks the segment (or it is no text segment).
std::optional<std::string> ReadSegmentText(PFMFile* store, FourCC type, std::int16_t id);

class FQSHelpSources : public IFQSHelpSources {
public:
    // Either may be null: then the sections they give are empty.
    FQSHelpSources(Fablecore* application, FKDoc* story) : application_(application), story_(story) {}

    std::optional<std::string> DataText(FourCC type, std::int16_t id) override;
    std::string StorytellingText(const char* code) override;
    bool HasContextFile() override;
    std::optional<std::string> ContextText(std::int16_t id) override;
    bool HasExamplesFile() override;
    std::optional<std::string> ExampleText(FourCC type, std::int16_t id) override;
    std::string Expand(const std::string& text) override;

private:
    Fablecore* application_;
    FKDoc* story_;
};
