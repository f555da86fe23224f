#pragma once
// The header and footer of a printed report page: a banner whose codes also print the story's
// author (^A), the story's title (^T) and the report's title (^R). The story's two texts are
// decoded, so that the characters the story keeps escaped print as themselves; the rest of the
// banner is what the writer typed, and prints as typed.

#include <cstddef>
#include <string>

#include "items/printing/PrintableBanner.h"

class IStoryDocument;

class FablecoreBanner : public PrintableBanner {
public:
    // The document may be null (the story codes then print nothing); the title is copied.
    FablecoreBanner(PrintingEnvironment* environment, const char* pattern, const win::LOGFONTA& font,
                    IStoryDocument* document, const char* title);

    // 'A', 'R' and 'T' in either case; any other letter is no code of this banner.
    std::size_t ExpandCode(const char* code, std::string& output, std::size_t room) override;

private:
    // The text of the story's information record under the key, at most room - 1 characters.
    void AppendInfoText(const char* key, std::string& output, std::size_t room) const;

    IStoryDocument* document_;
    std::string title_;
};
