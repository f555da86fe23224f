#pragma once
// The context file "context.qrv": the contextual examples that the query window's help shows for
// the value a page about a story point stands for, one 'CNTX' text for every value of every story
// point (see ContextTextID). Its sources (data/context, see data/README.md) give one text per story
// point, written once for all its values: the story point's code, then the text in quotes, in the
// styled notation, going on over further lines of quoted parts:
//   MCPbm "The Main Character's own {VALUE} keeps his trouble going."
// {VALUE} stands for the value's name: each value's text names it with {SNF(value)}.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Segment.h"
#include "datafiles/TextNotation.h"

inline constexpr FourCC kContextTextType = FourCCOf("CNTX");

// One story point's text, as its source writes it.
struct ContextText {
    int storyPointIndex = -1;
    std::string text;  // stored bytes, {VALUE} still in place
    SourcePlace place;
};

// Reads the texts of one source into the list; false (after reporting) when the source has errors.
bool ReadContextSource(const std::string& path, std::string_view contents, const Variables& variables,
                       std::vector<ContextText>& texts, Diagnostics& diagnostics);

// The 'CNTX' segments of the texts, one for each value of each story point's pages, in id order.
// A story point whose pages stand for values and that has no text, or that has two, is reported
// (at the folder's place); nothing is made then.
std::vector<SegmentData> MakeContextSegments(const std::vector<ContextText>& texts, const SourcePlace& folder,
                                             Diagnostics& diagnostics);

// Compiles the sources (".context" files) of the folder into the context file; false (after
// reporting) when nothing was written. The store interface must be set up (PFMInit).
bool CompileContextFile(const std::string& sourceFolder, const std::string& output,
                        const Variables& variables, Diagnostics& diagnostics);
