#include "reports/FablecoreBanner.h"

#include <cctype>

#include "foundation/pfm/PText.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryDocument.h"

FablecoreBanner::FablecoreBanner(PrintingEnvironment* environment, const char* pattern,
                                 const win::LOGFONTA& font, IStoryDocument* document, const char* title)
    : PrintableBanner(environment, pattern, font), document_(document), title_(title ? title : "") {}

// Decoded as it is appended: only the story's texts are kept escaped, not the pattern the writer
// typed nor the report's title.
void FablecoreBanner::AppendInfoText(const char* key, std::string& output, std::size_t room) const {
    if (!document_ || room == 0) return;
    std::string text(RecordTextView(document_->GetInfoRecord(), key));
    SharedStringConverter().DecodeInPlace(text.data());
    text.resize(std::char_traits<char>::length(text.c_str()));
    output.append(text.substr(0, room - 1));
}

std::size_t FablecoreBanner::ExpandCode(const char* code, std::string& output, std::size_t room) {
    switch (std::toupper(static_cast<unsigned char>(*code))) {
        case 'A': AppendInfoText("Author", output, room); return 1;
        case 'T': AppendInfoText("Title", output, room); return 1;
        case 'R':
            if (room > 0) output.append(title_.substr(0, room - 1));
            return 1;
        default: return 0;
    }
}
