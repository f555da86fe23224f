#include "datafiles/Compiler.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>

#include "datafiles/QueryRecords.h"
#include "datafiles/SegmentTypes.h"
#include "datafiles/SetSourceKind.h"
#include "datafiles/StoreFiles.h"
#include "datafiles/StoreProfiles.h"
#include "foundation/FileError.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PictRecord.h"

namespace fs = std::filesystem;

namespace {

bool IsImage(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".png" || extension == ".bmp";
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SourceExtensions() {
    std::string list;
    for (const SourceKind* kind : AllSourceKinds())
        list += (list.empty() ? "" : ", ") + std::string(kind->Extension());
    for (const SetSourceKind* kind : AllSetSourceKinds()) list += ", " + std::string(kind->Extension());
    return list;
}

bool IsSourceFile(const fs::path& file) {
    const std::string extension = file.extension().string();
    return FindSetSourceKind(extension) ||
           std::any_of(AllSourceKinds().begin(), AllSourceKinds().end(),
                       [&](const SourceKind* kind) { return extension == kind->Extension(); });
}

// The first source of each key; a later one is reported with the first one's place.
void CheckCollisions(const std::vector<CompiledSegment>& segments, Diagnostics& diagnostics) {
    std::vector<const CompiledSegment*> sorted;
    for (const CompiledSegment& segment : segments) sorted.push_back(&segment);
    std::stable_sort(sorted.begin(), sorted.end(), [](const CompiledSegment* a, const CompiledSegment* b) {
        return SegmentKeyLess(a->key, b->key);
    });
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i]->key == sorted[i - 1]->key) {
            diagnostics.Error(sorted[i]->origin, DescribeKey(sorted[i]->key) + " is made by " +
                                                     DescribePlace(sorted[i - 1]->origin) + " too");
        }
    }
}

void CheckPictures(const std::vector<CompiledSegment>& segments, const StoreProfile& profile,
                   Diagnostics& diagnostics) {
    for (const CompiledSegment& segment : segments) {
        for (const PictureRule& rule : profile.pictures) {
            if (segment.key.type != rule.type || segment.key.id < rule.first || segment.key.id > rule.last)
                continue;
            PictRecord picture(segment.key.id, segment.key.type);
            if (segment.kind != kRawSegment ||
                picture.Decode(segment.bytes.data(), static_cast<std::uint32_t>(segment.bytes.size())) !=
                    kNoErr) {
                diagnostics.Error(segment.origin, DescribeKey(segment.key) + " is not a picture");
                continue;
            }
            const int width = picture.Width();
            const int height = picture.Height();
            const bool wrong =
                (rule.width && width != rule.width) || (rule.height && height != rule.height) ||
                (rule.maxWidth && width > rule.maxWidth) || (rule.maxHeight && height > rule.maxHeight);
            if (!wrong) continue;
            std::string wanted;
            if (rule.width) wanted += std::to_string(rule.width) + " wide";
            if (rule.maxWidth) wanted += "at most " + std::to_string(rule.maxWidth) + " wide";
            if (rule.height) wanted += (wanted.empty() ? "" : ", ") + std::to_string(rule.height) + " high";
            if (rule.maxHeight)
                wanted +=
                    (wanted.empty() ? "" : ", ") + ("at most " + std::to_string(rule.maxHeight) + " high");
            diagnostics.Error(segment.origin, DescribeKey(segment.key) + " is " + std::to_string(width) +
                                                  " x " + std::to_string(height) + "; it must be " + wanted +
                                                  ": " + std::string(rule.why));
        }
    }
}

// Every key a source reads from a keyed record is there; each missing key is named once a line.
void CheckRecordKeys(const std::vector<CompiledSegment>& segments, Diagnostics& diagnostics) {
    // The records read, parsed on first need; null for a record that no source makes.
    std::map<PFMSegmentKey, std::unique_ptr<KeyedText>, bool (*)(PFMSegmentKey, PFMSegmentKey)> records(
        SegmentKeyLess);
    const auto record = [&](PFMSegmentKey key) -> const KeyedText* {
        auto [place, added] = records.try_emplace(key);
        if (!added) return place->second.get();
        for (const CompiledSegment& segment : segments) {
            if (segment.key != key || segment.kind != kRawSegment) continue;
            place->second = std::make_unique<KeyedText>();
            place->second->Parse(reinterpret_cast<const char*>(segment.bytes.data()), segment.bytes.size());
        }
        return place->second.get();
    };
    std::set<std::pair<std::string, std::string>> reported;
    for (const CompiledSegment& segment : segments) {
        for (const RecordKeyReference& reference : segment.keyReferences) {
            const KeyedText* read = record(reference.record);
            if (read && read->HasKey(reference.key)) continue;
            if (!reported.emplace(DescribePlace(reference.place), reference.key).second) continue;
            diagnostics.Error(reference.place, reference.what + " reads " + reference.key + " of " +
                                                   DescribeKey(reference.record) + ", which " +
                                                   (read ? "has no such key" : "no source makes"));
        }
    }
}

}  // namespace

std::optional<CompiledSegment> CompileSource(const std::string& path, std::string_view contents,
                                             const Variables& variables, const CompanionLoader& companions,
                                             Diagnostics& diagnostics) {
    SourceReader reader(path, contents, variables, diagnostics, companions);
    SegmentHeader header;
    if (!reader.ReadHeader(header)) return std::nullopt;
    const SourceKind* kind = FindSourceKind(header.kind);
    if (!kind) {
        std::string words;
        for (const SourceKind* known : AllSourceKinds()) words += " " + std::string(known->Keyword());
        reader.Error(reader.HeaderLine(),
                     "unknown kind of source " + header.kind + "; the kinds are" + words);
        return std::nullopt;
    }
    const std::string extension = fs::path(path).extension().string();
    if (!extension.empty() && extension != kind->Extension()) {
        reader.Error(reader.HeaderLine(), "a " + extension + " file holds no '" + header.kind + "' source");
        return std::nullopt;
    }
    const SegmentType* type = FindSegmentType(header.key.type);
    if (type && &type->kind != kind && kind != &RawSource()) {
        reader.Error(reader.HeaderLine(), DescribeKey(header.key) + " is " + std::string(type->what) +
                                              ": its source is '" + std::string(type->kind.Keyword()) + "'");
        return std::nullopt;
    }
    CompiledSegment segment;
    segment.key = header.key;
    segment.priority = header.priority;
    segment.preload = header.preload;
    segment.origin = reader.Place(reader.HeaderLine());
    kind->Compile(reader, header, segment);
    if (reader.HasErrors()) return std::nullopt;
    return segment;
}

std::vector<CompiledSegment> CompileSetSource(const std::string& path, std::string_view contents,
                                              const Variables& variables, Diagnostics& diagnostics) {
    SourceReader reader(path, contents, variables, diagnostics, nullptr);
    const SetSourceKind* kind = FindSetSourceKind(fs::path(path).extension().string());
    std::string keyword;
    std::vector<std::string> words;
    if (!kind || !reader.ReadSetHeader(keyword, words)) return {};
    if (keyword != kind->Keyword()) {
        reader.Error(reader.HeaderLine(), "a " + std::string(kind->Extension()) + " file starts with " +
                                              std::string(kind->Keyword()) + ", not " + keyword);
        return {};
    }
    std::vector<CompiledSegment> segments;
    kind->Compile(reader, words, segments);
    if (reader.HasErrors()) return {};
    return segments;
}

void CheckStore(const std::vector<CompiledSegment>& segments, const std::string& storeName,
                const SourcePlace& place, Diagnostics& diagnostics, const QueryTables* queryTables) {
    CheckCollisions(segments, diagnostics);
    CheckQueryRecords(segments, queryTables, place, diagnostics);
    const auto exists = [&](PFMSegmentKey key) {
        return std::any_of(segments.begin(), segments.end(),
                           [&](const CompiledSegment& s) { return s.key == key; });
    };
    for (const CompiledSegment& segment : segments) {
        for (const SegmentReference& reference : segment.references) {
            if (!exists(reference.key)) {
                diagnostics.Error(reference.place, reference.what + " " + DescribeKey(reference.key) +
                                                       " is made by no source");
            }
        }
    }
    CheckRecordKeys(segments, diagnostics);
    const StoreProfile* profile = FindStoreProfile(storeName);
    if (!profile) return;
    for (const RequiredSegments& required : profile->required) {
        for (std::uint16_t id : required.ids) {
            const PFMSegmentKey key{required.type, id};
            if (!exists(key)) {
                diagnostics.Error(place, storeName + " needs " + DescribeKey(key) + " (" +
                                             std::string(required.what) + "); no source makes it");
            }
        }
    }
    CheckPictures(segments, *profile, diagnostics);
}

bool CompileStore(const std::string& sourceFolder, const std::string& output, const Variables& variables,
                  Diagnostics& diagnostics, const QueryTables* queryTables) {
    const SourcePlace folderPlace{sourceFolder, 0};
    const auto version = variables.find(kVersionVariable);
    if (version == variables.end()) {
        diagnostics.Error(folderPlace,
                          "no VERSION variable: the store's header names the version that wrote it");
        return false;
    }
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(sourceFolder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file() && name[0] != '.' && it->path().extension() != ".md")
            files.push_back(it->path());
    }
    if (error) {
        diagnostics.Error(folderPlace, "cannot read the folder: " + error.message());
        return false;
    }
    std::sort(files.begin(), files.end());

    std::set<fs::path> usedImages;
    std::vector<CompiledSegment> segments;
    for (const fs::path& file : files) {
        if (IsImage(file)) continue;
        const auto contents = ReadFileBytes(file);
        const bool known = IsSourceFile(file);
        if (!known || !contents) {
            diagnostics.Error(
                {file.string(), 0},
                known ? "cannot read the file" : "not a data source: sources end in " + SourceExtensions());
            continue;
        }
        const fs::path folder = file.parent_path();
        const CompanionLoader companions = [&](const std::string& name) {
            const fs::path companion = (folder / name).lexically_normal();
            usedImages.insert(companion);
            return ReadFileBytes(companion);
        };
        const std::string text(contents->begin(), contents->end());
        if (FindSetSourceKind(file.extension().string())) {
            for (CompiledSegment& segment : CompileSetSource(file.string(), text, variables, diagnostics))
                segments.push_back(std::move(segment));
            continue;
        }
        if (auto segment = CompileSource(file.string(), text, variables, companions, diagnostics)) {
            segments.push_back(std::move(*segment));
        }
    }
    for (const fs::path& file : files) {
        if (IsImage(file) && !usedImages.count(file.lexically_normal())) {
            diagnostics.Error({file.string(), 0}, "no source names this picture");
        }
    }
    const std::string storeName = fs::path(output).filename().string();
    CheckStore(segments, storeName, folderPlace, diagnostics, queryTables);
    if (diagnostics.HasErrors()) return false;

    std::vector<SegmentData> data(segments.begin(), segments.end());
    const ErrCode err = WriteStoreFile(data, output, ParseVersion(version->second));
    if (err != kNoErr) {
        diagnostics.Error({output, 0}, "cannot write the store: " + std::string(FileErrorMessage(err)) +
                                           " (" + std::to_string(err) + ")");
        return false;
    }
    return true;
}
