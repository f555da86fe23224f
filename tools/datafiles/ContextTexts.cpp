#include "datafiles/ContextTexts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "datafiles/Compiler.h"
#include "datafiles/SourceReader.h"
#include "datafiles/StoreFiles.h"
#include "foundation/FileError.h"
#include "storymodel/engine/StoryPointContext.h"
#include "storymodel/engine/StoryPointTable.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kValueMark = "{VALUE}";
constexpr std::string_view kExtension = ".context";

bool OnlyQuoted(const std::vector<Token>& tokens, std::size_t first) {
    return std::all_of(tokens.begin() + static_cast<std::ptrdiff_t>(first), tokens.end(),
                       [](const Token& token) { return token.kind == Token::Kind::kQuoted; });
}

// The text with every {VALUE} naming the value.
std::string ForValue(const std::string& text, std::int16_t value) {
    const std::string name = "{SNF(" + std::to_string(value) + ")}";
    std::string result;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(kValueMark, start)) != std::string::npos;
         start = found + kValueMark.size()) {
        result.append(text, start, found - start).append(name);
    }
    return result.append(text, start);
}

}  // namespace

bool ReadContextSource(const std::string& path, std::string_view contents, const Variables& variables,
                       std::vector<ContextText>& texts, Diagnostics& diagnostics) {
    SourceReader reader(path, contents, variables, diagnostics, nullptr);
    ContextText* last = nullptr;
    std::vector<ContextText> read;
    for (const SourceLine& line : reader.Statements()) {
        std::vector<Token> tokens;
        if (!reader.Tokenize(line, tokens) || tokens.empty()) continue;
        if (tokens.front().kind == Token::Kind::kQuoted) {
            if (!last) {
                reader.Error(line.number, "a text before any story point's code");
            } else if (!OnlyQuoted(tokens, 0)) {
                reader.Error(line.number, "a text goes on in quoted parts only");
            } else if (const auto more = reader.JoinedText(tokens, 0, line.number, Notation::kStyled)) {
                last->text += *more;
            }
            continue;
        }
        last = nullptr;
        const int index = StoryPointIndexForCode(tokens.front().text.c_str());
        if (tokens.front().kind != Token::Kind::kWord || index < 0) {
            reader.Error(line.number, "no story point has the code " + tokens.front().text);
            continue;
        }
        if (tokens.size() < 2 || !OnlyQuoted(tokens, 1)) {
            reader.Error(line.number, "the story point's code is followed by its text in quotes");
            continue;
        }
        const auto text = reader.JoinedText(tokens, 1, line.number, Notation::kStyled);
        if (!text) continue;
        read.push_back({index, *text, reader.Place(line.number)});
        last = &read.back();
    }
    for (const ContextText& text : read) {
        if (text.text.find('\0') != std::string::npos)
            reader.Error(text.place.line, "a text cannot hold a NUL byte: it would end there");
    }
    if (reader.HasErrors()) return false;
    texts.insert(texts.end(), read.begin(), read.end());
    return true;
}

std::vector<SegmentData> MakeContextSegments(const std::vector<ContextText>& texts, const SourcePlace& folder,
                                             Diagnostics& diagnostics) {
    std::map<int, const ContextText*> byPoint;
    bool sound = true;
    for (const ContextText& text : texts) {
        const auto [first, added] = byPoint.emplace(text.storyPointIndex, &text);
        if (!added) {
            diagnostics.Error(text.place, std::string("a second text for ") +
                                              StoryPointAt(text.storyPointIndex)->code +
                                              "; the first is at " + DescribePlace(first->second->place));
            sound = false;
        }
    }
    std::vector<SegmentData> segments;
    for (int index = 0; StoryPointAt(index); ++index) {
        const std::vector<std::int16_t> values = StoryPointPageValues(index);
        if (values.empty()) continue;
        const StoryPointRecord& row = *StoryPointAt(index);
        const auto found = byPoint.find(index);
        if (found == byPoint.end()) {
            diagnostics.Error(folder, std::string("no text for the story point ") + row.code);
            sound = false;
            continue;
        }
        for (const std::int16_t value : values) {
            SegmentData segment;
            segment.key = {kContextTextType, static_cast<std::uint16_t>(ContextTextID(row.id, value))};
            const std::string text = ForValue(found->second->text, value);
            segment.bytes.assign(text.begin(), text.end());
            segment.bytes.push_back(0);
            segments.push_back(std::move(segment));
        }
    }
    if (!sound) return {};
    std::sort(segments.begin(), segments.end(),
              [](const SegmentData& a, const SegmentData& b) { return a.key.id < b.key.id; });
    return segments;
}

bool CompileContextFile(const std::string& sourceFolder, const std::string& output,
                        const Variables& variables, Diagnostics& diagnostics) {
    const SourcePlace folderPlace{sourceFolder, 0};
    const auto version = variables.find(kVersionVariable);
    if (version == variables.end()) {
        diagnostics.Error(folderPlace,
                          "no VERSION variable: the store's header names the version that wrote it");
        return false;
    }
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(sourceFolder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file() && it->path().extension() == kExtension) files.push_back(it->path());
    }
    if (error) {
        diagnostics.Error(folderPlace, "cannot read the folder: " + error.message());
        return false;
    }
    std::sort(files.begin(), files.end());
    std::vector<ContextText> texts;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            diagnostics.Error({file.string(), 0}, "cannot read the file");
            continue;
        }
        ReadContextSource(file.string(), contents, variables, texts, diagnostics);
    }
    if (diagnostics.HasErrors()) return false;
    const std::vector<SegmentData> segments = MakeContextSegments(texts, folderPlace, diagnostics);
    if (diagnostics.HasErrors()) return false;
    const ErrCode err = WriteStoreFile(segments, output, ParseVersion(version->second));
    if (err != kNoErr) {
        diagnostics.Error({output, 0}, "cannot write the store: " + std::string(FileErrorMessage(err)) +
                                           " (" + std::to_string(err) + ")");
        return false;
    }
    return true;
}
