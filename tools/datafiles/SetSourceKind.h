#pragma once
// A kind of data source that makes many segments from one readable file: the theory dictionary,
// the verbs and the story points, whose entries are read and reviewed together. The header is the
// kind and its words alone, with no segment type or id:
//   dictionary elements
// Each segment it makes is of a type that a one-segment source describes as well; the decompiler
// writes those.

#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Segment.h"
#include "datafiles/SourceReader.h"

class SetSourceKind {
public:
    virtual ~SetSourceKind() = default;

    // The word that starts a source's header, and the file name ending of such sources.
    virtual std::string_view Keyword() const = 0;
    virtual std::string_view Extension() const = 0;

    // Reads the body of a source whose header names this kind, with the header's words, and adds
    // the segments it makes; errors go to the reader.
    virtual void Compile(SourceReader& reader, const std::vector<std::string>& words,
                         std::vector<CompiledSegment>& segments) const = 0;
};

const std::vector<const SetSourceKind*>& AllSetSourceKinds();
// The kind whose sources end so; null for none.
const SetSourceKind* FindSetSourceKind(std::string_view extension);

const SetSourceKind& DictionarySource();
const SetSourceKind& VerbSource();
const SetSourceKind& StoryPointSource();
