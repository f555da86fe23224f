#pragma once
// The data compiler: a folder of readable sources (and the pictures they name) becomes one store
// file. Each source makes one segment, except the sources of many segments (the dictionary, the
// verbs, the story points); the checks run over all of them before anything is written, and a
// folder with any error writes nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Diagnostics.h"
#include "datafiles/QueryTables.h"
#include "datafiles/Segment.h"
#include "datafiles/SourceReader.h"
#include "datafiles/TextNotation.h"

// The build variable that names the version written into the data files' headers.
inline constexpr std::string_view kVersionVariable = "VERSION";

// Compiles one source from its text; its companion files come through the loader.
std::optional<CompiledSegment> CompileSource(const std::string& path, std::string_view contents,
                                             const Variables& variables, const CompanionLoader& companions,
                                             Diagnostics& diagnostics);

// Compiles a source that makes many segments (SetSourceKind.h), whose kind its file name's ending
// names; nothing when it has errors.
std::vector<CompiledSegment> CompileSetSource(const std::string& path, std::string_view contents,
                                              const Variables& variables, Diagnostics& diagnostics);

// The checks over all segments of one store: no two sources make the same segment, every segment
// a source names exists, and the store holds what the program needs of the data file of that
// name (StoreProfiles.h), with pictures of the sizes the program draws them at; question lists and
// pages are checked with the query system's tables (QueryRecords.h).
void CheckStore(const std::vector<CompiledSegment>& segments, const std::string& storeName,
                const SourcePlace& place, Diagnostics& diagnostics, const QueryTables* queryTables = nullptr);

// Compiles every source under the folder into the store file. The variables must hold VERSION.
// Answers whether the file was written; otherwise the diagnostics say why.
bool CompileStore(const std::string& sourceFolder, const std::string& output, const Variables& variables,
                  Diagnostics& diagnostics, const QueryTables* queryTables = nullptr);
