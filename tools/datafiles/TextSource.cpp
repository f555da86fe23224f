// Text segments as sources: the header, then the text itself, line by line.
//   styled 'SDEF' 85
//   <B+>Definition:<B-> what the {SNF(85)} is about.
// "text" sources take their text as it stands (plain notation); "styled" sources are templates and
// styled text, written in the styled notation (TextNotation.h). Blank lines at the end do not
// count; a text that ends with a line break writes it as \n. The segment holds the text and a NUL,
// unless the header says "unterminated". The macros of styled texts are checked (MacroCheck.h).

#include "datafiles/MacroCheck.h"
#include "datafiles/SegmentTypes.h"

namespace {

constexpr std::string_view kUnterminated = "unterminated";

class TextKind : public SourceKind {
public:
    TextKind(std::string_view keyword, std::string_view extension, Notation notation)
        : keyword_(keyword), extension_(extension), notation_(notation) {}

    std::string_view Keyword() const override { return keyword_; }
    std::string_view Extension() const override { return extension_; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        bool terminated = true;
        for (const std::string& option : header.options) {
            if (option == kUnterminated) {
                terminated = false;
            } else {
                reader.Error(reader.HeaderLine(),
                             "unknown header word " + option + " (a text knows: unterminated)");
            }
        }
        std::vector<SourceLine> lines = reader.BodyLines();
        while (!lines.empty() && lines.back().text.empty()) lines.pop_back();
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string error;
            const auto bytes = DecodeNotation(lines[i].text, notation_, reader.GetVariables(), error);
            if (!bytes) {
                reader.Error(lines[i].number, error);
                continue;
            }
            if (bytes->find('\0') != std::string::npos) {
                reader.Error(lines[i].number, "a text cannot hold a NUL byte: it would end there");
            }
            if (notation_ == Notation::kStyled) {
                const int line = lines[i].number;
                CheckMacros(
                    *bytes, reader.Place(line),
                    [&](const std::string& message) { reader.Error(line, message); }, segment);
            }
            if (i > 0) text += '\n';
            text += *bytes;
        }
        const SegmentType* type = FindSegmentType(segment.key.type);
        const std::string tooLong = type ? TextLengthError(*type, text.size()) : std::string();
        if (!tooLong.empty()) reader.Error(reader.HeaderLine(), tooLong);
        segment.bytes.assign(text.begin(), text.end());
        if (terminated) segment.bytes.push_back(0);
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& /*baseName*/) const override {
        if (segment.kind != kRawSegment) return std::nullopt;
        std::string_view text(reinterpret_cast<const char*>(segment.bytes.data()), segment.bytes.size());
        const bool terminated = !text.empty() && text.back() == '\0';
        if (terminated) text.remove_suffix(1);
        DecompiledSource source(HeaderText(Keyword(), segment, terminated ? "" : kUnterminated));
        source.text += EncodeNotation(text, notation_, false);
        if (!text.empty()) source.text += '\n';
        return source;
    }

private:
    std::string_view keyword_;
    std::string_view extension_;
    Notation notation_;
};

}  // namespace

const SourceKind& TextSource() {
    static const TextKind kind("text", ".text", Notation::kPlain);
    return kind;
}

const SourceKind& StyledTextSource() {
    static const TextKind kind("styled", ".styled", Notation::kStyled);
    return kind;
}
