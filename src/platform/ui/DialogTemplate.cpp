// Reading in-memory dialog templates.

#include <cstring>

#include "platform/sys/Cp1252.h"
#include "platform/ui/DialogState.h"

namespace win::detail {
namespace {

// Strings longer than this are not names or captions a template holds; reading stops there.
constexpr std::size_t kLongestString = 1024;

class TemplateReader {
public:
    explicit TemplateReader(const DLGTEMPLATE& header)
        : at_(reinterpret_cast<const unsigned char*>(&header) + sizeof(DLGTEMPLATE)) {}

    WORD Word() {
        WORD value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    std::string String() {
        std::string text;
        for (WORD unit = Word(); unit != 0 && text.size() < kLongestString; unit = Word()) {
            const int byte = UnicodeToCp1252(unit);
            text += static_cast<char>(byte >= 0 ? byte : '?');
        }
        return text;
    }
    // A string or an ordinal; an ordinal gives "#" and its number.
    std::string NameOrOrdinal() {
        WORD first;
        std::memcpy(&first, at_, sizeof first);
        if (first != 0xFFFF) return String();
        Word();
        return "#" + std::to_string(Word());
    }

private:
    const unsigned char* at_;
};

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(const DLGTEMPLATE& header) {
    if (header.cdit != 0) return std::nullopt;
    TemplateReader reader(header);
    if (!reader.NameOrOrdinal().empty()) return std::nullopt;
    DialogTemplate read;
    read.style = header.style;
    read.exStyle = header.dwExtendedStyle;
    read.className = reader.NameOrOrdinal();
    if (read.className.empty() || read.className == "#32770") read.className = kDialogClass;
    read.caption = reader.String();
    const LONG units = GetDialogBaseUnits();
    const int unitX = LOWORD(static_cast<DWORD>(units));
    const int unitY = HIWORD(static_cast<DWORD>(units));
    read.rect = RECT{header.x * unitX / 4, header.y * unitY / 8, (header.x + header.cx) * unitX / 4,
                     (header.y + header.cy) * unitY / 8};
    return read;
}

std::vector<WORD> ItemlessDialogTemplate(DWORD style, const std::string& caption) {
    DLGTEMPLATE header;
    header.style = style;
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (char c : caption) words.push_back(static_cast<WORD>(Cp1252ToUnicode(static_cast<unsigned char>(c))));
    words.push_back(0);
    return words;
}

}  // namespace win::detail
