// Item lists ('ITM#', the contents of a window or dialog) as sources: the list's own lines, then
// one block per item, in the order of the list (which is the tab order and each item's index).
//   items 'ITM#' 1070
//   bounds (0,0)-(500,278)          the window's client area: (left,top)-(right,bottom)
//   background #FFFFFF              (white when absent)
//   name "About"                    (empty when absent)
//
//   item PushBtn
//       id 0
//       bounds (270,236)-(350,258)
//       title "OK"
//       font 0 12 bold
// Every field a class stores may be given once (a popup's choices once each: choice "First");
// fields not given take their defaults. Colours are #RRGGBB or, for 16-bit components, #RRRRGGGGBBBB;
// flags may be named: follows-size, disabled, hidden, inactive, focus-ring, no-erase, cursor-regions.
// The segment is a flattened item list: class id 106, then the list's record.

#include <cstdio>
#include <limits>

#include "datafiles/ItemRecords.h"
#include "datafiles/SegmentTypes.h"

namespace {

constexpr std::uint16_t kWhite = 0xFFFF;

struct FlagName {
    std::string_view name;
    std::uint16_t bit;
};

constexpr FlagName kFlagNames[] = {
    {"follows-size", 0x0001}, {"disabled", 0x0002}, {"hidden", 0x0004},         {"inactive", 0x0010},
    {"focus-ring", 0x0020},   {"no-erase", 0x0100}, {"cursor-regions", 0x0200},
};

struct StyleName {
    std::string_view name;
    std::uint8_t bit;
};

constexpr StyleName kStyleNames[] = {{"bold", 1}, {"italic", 2}, {"underline", 4}};

struct ItemList {
    std::string name;
    ItemRect bounds;
    ItemColor background{kWhite, kWhite, kWhite};
    std::vector<ItemRecord> items;
    std::vector<int> itemLines;
};

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string RectText(const ItemRect& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

std::optional<ItemRect> ParseRect(std::string_view text) {
    int left = 0, top = 0, right = 0, bottom = 0;
    char end = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), " (%d ,%d ) -(%d ,%d )%c", &left, &top, &right, &bottom, &end) != 4) {
        return std::nullopt;
    }
    for (int side : {left, top, right, bottom}) {
        if (side < std::numeric_limits<std::int16_t>::min() ||
            side > std::numeric_limits<std::int16_t>::max()) {
            return std::nullopt;
        }
    }
    return ItemRect{static_cast<std::int16_t>(top), static_cast<std::int16_t>(left),
                    static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right)};
}

// #RRGGBB gives 8-bit components (each repeated into both bytes); #RRRRGGGGBBBB 16-bit ones.
std::string ColorText(const ItemColor& color) {
    const auto repeated = [](std::uint16_t c) { return (c >> 8) == (c & 0xFF); };
    if (repeated(color.red) && repeated(color.green) && repeated(color.blue)) {
        return "#" + Hex(color.red >> 8, 2) + Hex(color.green >> 8, 2) + Hex(color.blue >> 8, 2);
    }
    return "#" + Hex(color.red, 4) + Hex(color.green, 4) + Hex(color.blue, 4);
}

std::optional<ItemColor> ParseColor(std::string_view text) {
    if (text.empty() || text[0] != '#' || (text.size() != 7 && text.size() != 13)) return std::nullopt;
    const auto digits = ParseSourceNumber("0x" + std::string(text.substr(1)));
    if (!digits) return std::nullopt;
    const auto value = static_cast<std::uint64_t>(*digits);
    if (text.size() == 7) {
        const auto c = [&](int shift) {
            return static_cast<std::uint16_t>(((value >> shift) & 0xFF) * 0x101);
        };
        return ItemColor{c(16), c(8), c(0)};
    }
    const auto c = [&](int shift) { return static_cast<std::uint16_t>(value >> shift); };
    return ItemColor{c(32), c(16), c(0)};
}

std::string FlagsText(std::uint64_t flags) {
    std::string text;
    for (const FlagName& flag : kFlagNames) {
        if (flags & flag.bit) {
            text += (text.empty() ? "" : " ") + std::string(flag.name);
            flags &= ~std::uint64_t{flag.bit};
        }
    }
    if (flags) text += (text.empty() ? "0x" : " 0x") + Hex(flags, 4);
    return text;
}

std::string FontText(const ItemFont& font) {
    std::string text = std::to_string(font.number) + " " + std::to_string(font.size);
    for (const StyleName& style : kStyleNames) {
        if (font.style & style.bit) text += " " + std::string(style.name);
    }
    if (font.style == 0) text += " plain";
    return text;
}

// The range of values a number field takes.
void FieldRange(const ItemField& field, std::int64_t& min, std::int64_t& max) {
    if (field.min != 0 || field.max != 0) {
        min = field.min;
        max = field.max;
        return;
    }
    switch (field.kind) {
        case FieldKind::kU8: min = 0, max = 0xFF; break;
        case FieldKind::kI8: min = INT8_MIN, max = INT8_MAX; break;
        case FieldKind::kU16: min = 0, max = 0xFFFF; break;
        case FieldKind::kI16: min = INT16_MIN, max = INT16_MAX; break;
        default: min = INT32_MIN, max = INT32_MAX; break;
    }
}

bool IsDefault(const ItemField& field, const FieldValue& value) {
    const FieldValue other = DefaultValue(field);
    return value.number == other.number && value.rect == other.rect && value.color == other.color &&
           value.font == other.font && value.text == other.text && value.links == other.links &&
           value.choices == other.choices;
}

class ItemListKind : public SourceKind {
public:
    std::string_view Keyword() const override { return "items"; }
    std::string_view Extension() const override { return ".items"; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        RefuseOptions(reader, header);
        segment.kind = kObjectSegment;
        segment.classId = kItemListClassId;
        ItemList list;
        bool hasBounds = false;
        std::vector<std::string> given;
        std::vector<Token> tokens;
        for (const SourceLine& line : reader.Statements()) {
            if (!reader.Tokenize(line, tokens)) continue;
            const std::string& word = tokens[0].text;
            if (word == "item") {
                StartItem(reader, line.number, tokens, list);
                given.clear();
            } else if (!list.items.empty()) {
                ReadField(reader, line.number, tokens, list.items.back(), given);
            } else if (word == "bounds" || word == "background" || word == "name") {
                ReadListLine(reader, line.number, tokens, list);
                hasBounds = hasBounds || word == "bounds";
            } else {
                reader.Error(line.number,
                             "before the first item a list has only bounds, background and name");
            }
        }
        if (!hasBounds)
            reader.Error(reader.HeaderLine(), "the list needs its bounds: the window's client area");
        Check(reader, list, segment);
        ByteWriter out(segment.bytes);
        WriteRecordText(out, list.name);
        WriteRect(out, list.bounds);
        WriteColor(out, list.background);
        out.U16(static_cast<std::uint32_t>(list.items.size()));
        for (const ItemRecord& item : list.items) WriteItem(out, item);
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& /*baseName*/) const override {
        if (segment.kind != kObjectSegment || segment.classId != kItemListClassId) return std::nullopt;
        ByteReader in(segment.bytes);
        ItemList list;
        const auto name = ReadRecordText(in);
        list.bounds = ::ReadRect(in);
        list.background = ReadColor(in);
        const std::uint16_t count = in.U16();
        for (std::uint16_t i = 0; i < count && in.Ok(); ++i) {
            auto item = ReadItem(in);
            if (!item) return std::nullopt;
            list.items.push_back(std::move(*item));
        }
        if (!name || !in.AtEnd()) return std::nullopt;
        DecompiledSource source(HeaderText(Keyword(), segment));
        std::string& text = source.text;
        text += "bounds " + RectText(list.bounds) + "\n";
        if (!(list.background == ItemColor{kWhite, kWhite, kWhite})) {
            text += "background " + ColorText(list.background) + "\n";
        }
        if (!name->empty()) text += "name \"" + EncodeNotation(*name, Notation::kPlain, true) + "\"\n";
        for (const ItemRecord& item : list.items)
            text += "\nitem " + std::string(item.itemClass->name) + "\n" + FieldLines(item);
        return source;
    }

private:
    static void StartItem(SourceReader& reader, int line, const std::vector<Token>& tokens, ItemList& list) {
        const ItemClass* itemClass = tokens.size() == 2 ? FindItemClass(tokens[1].text) : nullptr;
        if (!itemClass) {
            std::string names;
            for (const ItemClass& known : ItemClasses()) names += " " + std::string(known.name);
            reader.Error(line, "an item starts with: item <class>; the classes are" + names);
            // The fields that follow still belong to an item, so that they are not read as the list's.
            itemClass = &ItemClasses().front();
        }
        list.items.push_back(DefaultItem(*itemClass));
        list.itemLines.push_back(line);
    }

    static void ReadListLine(SourceReader& reader, int line, const std::vector<Token>& tokens,
                             ItemList& list) {
        const std::string& word = tokens[0].text;
        if (word == "name") {
            if (auto name = reader.JoinedText(tokens, 1, line, Notation::kPlain)) list.name = *name;
        } else if (word == "bounds") {
            ReadRect(reader, line, tokens, list.bounds);
        } else if (tokens.size() != 2 || !ParseColor(tokens[1].text)) {
            reader.Error(line, "a colour is #RRGGBB or #RRRRGGGGBBBB");
        } else {
            list.background = *ParseColor(tokens[1].text);
        }
    }

    static void ReadRect(SourceReader& reader, int line, const std::vector<Token>& tokens, ItemRect& rect) {
        std::string text;
        for (std::size_t i = 1; i < tokens.size(); ++i) text += tokens[i].text;
        const auto parsed = ParseRect(text);
        if (!parsed || parsed->right < parsed->left || parsed->bottom < parsed->top) {
            reader.Error(line, "bounds are (left,top)-(right,bottom), right of left and below top");
            return;
        }
        rect = *parsed;
    }

    static void ReadField(SourceReader& reader, int line, const std::vector<Token>& tokens, ItemRecord& item,
                          std::vector<std::string>& given) {
        const std::string& word = tokens[0].text;
        const ItemField* field = nullptr;
        for (const ItemField& candidate : item.itemClass->fields) {
            if (candidate.keyword == word) field = &candidate;
        }
        if (!field) {
            std::string names;
            for (const ItemField& known : item.itemClass->fields) names += " " + std::string(known.keyword);
            reader.Error(line, "a " + std::string(item.itemClass->name) + " has no field " + word +
                                   "; its fields are" + names);
            return;
        }
        if (field->kind != FieldKind::kChoices) {
            if (std::find(given.begin(), given.end(), word) != given.end()) {
                reader.Error(line, word + " is given twice for this item");
                return;
            }
            given.push_back(word);
        }
        FieldValue& value = *item.Find(word);
        value.line = line;
        const std::size_t count = tokens.size() - 1;
        switch (field->kind) {
            case FieldKind::kRect: ReadRect(reader, line, tokens, value.rect); break;
            case FieldKind::kColor:
                if (count == 1 && ParseColor(tokens[1].text)) {
                    value.color = *ParseColor(tokens[1].text);
                } else {
                    reader.Error(line, "a colour is #RRGGBB or #RRRRGGGGBBBB");
                }
                break;
            case FieldKind::kLinks:
                value.links.clear();
                for (std::size_t i = 1; i < tokens.size(); ++i) {
                    if (auto link = reader.Number(tokens[i], line, 0, 0xFFFF, "a link"))
                        value.links.push_back(*link);
                }
                break;
            case FieldKind::kText:
                if (auto text = reader.JoinedText(tokens, 1, line, Notation::kPlain)) value.text = *text;
                break;
            case FieldKind::kChoices:
                if (auto text = reader.JoinedText(tokens, 1, line, Notation::kPlain))
                    value.choices.push_back(*text);
                break;
            case FieldKind::kFont: ReadFont(reader, line, tokens, value.font); break;
            default:
                if (word == "flags") {
                    ReadFlags(reader, line, tokens, value.number);
                } else if (count != 1) {
                    reader.Error(line, word + " takes one number");
                } else {
                    std::int64_t min = 0, max = 0;
                    FieldRange(*field, min, max);
                    const std::string what =
                        field->rangeNote.empty() ? word : word + " (" + std::string(field->rangeNote) + ")";
                    if (auto number = reader.Number(tokens[1], line, min, max, what)) value.number = *number;
                }
        }
    }

    static void ReadFlags(SourceReader& reader, int line, const std::vector<Token>& tokens,
                          std::int64_t& flags) {
        flags = 0;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            bool named = false;
            for (const FlagName& flag : kFlagNames) {
                if (tokens[i].text == flag.name) flags |= flag.bit, named = true;
            }
            if (named) continue;
            if (auto bits = reader.Number(tokens[i], line, 0, 0xFFFF, "a flag")) flags |= *bits;
        }
    }

    static void ReadFont(SourceReader& reader, int line, const std::vector<Token>& tokens, ItemFont& font) {
        if (tokens.size() < 3) {
            reader.Error(line, "a font is its number (0 to 5), size and style: font 0 12 bold");
            return;
        }
        const auto number = reader.Number(tokens[1], line, 0, 5, "the font number");
        const auto size = reader.Number(tokens[2], line, 1, 127, "the font size");
        font.style = 0;
        for (std::size_t i = 3; i < tokens.size(); ++i) {
            bool known = tokens[i].text == "plain";
            for (const StyleName& style : kStyleNames) {
                if (tokens[i].text == style.name) font.style |= style.bit, known = true;
            }
            if (!known)
                reader.Error(line, "a font style is plain, bold, italic or underline, not " + tokens[i].text);
        }
        if (number) font.number = static_cast<std::int16_t>(*number);
        if (size) font.size = static_cast<std::int16_t>(*size);
    }

    // The checks over the whole list, and the segments its items need.
    static void Check(SourceReader& reader, const ItemList& list, CompiledSegment& segment) {
        const ItemRect window{0, 0, static_cast<std::int16_t>(list.bounds.bottom - list.bounds.top),
                              static_cast<std::int16_t>(list.bounds.right - list.bounds.left)};
        for (std::size_t index = 0; index < list.items.size(); ++index) {
            const ItemRecord& item = list.items[index];
            const auto lineOf = [&](std::string_view keyword) {
                const FieldValue* value = item.Find(keyword);
                return value && value->line ? value->line : list.itemLines[index];
            };
            const ItemRect& bounds = item.Find("bounds")->rect;
            if (!window.IsEmpty() && !window.Contains(bounds)) {
                reader.Error(lineOf("bounds"), "the item's bounds " + RectText(bounds) +
                                                   " lie outside the window " + RectText(window));
            }
            for (std::int64_t link : item.Find("links")->links) {
                if (link >= static_cast<std::int64_t>(list.items.size())) {
                    reader.Error(lineOf("links"), "link " + std::to_string(link) +
                                                      " names no item (the list has " +
                                                      std::to_string(list.items.size()) + ")");
                }
            }
            if (!item.itemClass->check) continue;
            const ItemCheckContext context{
                item,
                [&](std::string_view keyword, const std::string& message) {
                    reader.Error(lineOf(keyword), message);
                },
                [&](std::string_view keyword, PFMSegmentKey key, const std::string& what) {
                    segment.references.push_back({key, reader.Place(lineOf(keyword)), what});
                }};
            item.itemClass->check(context);
        }
    }

    static std::string FieldLines(const ItemRecord& item) {
        std::string text;
        for (std::size_t i = 0; i < item.values.size(); ++i) {
            const ItemField& field = item.itemClass->fields[i];
            const FieldValue& value = item.values[i];
            const std::string keyword(field.keyword);
            if (field.kind != FieldKind::kRect && IsDefault(field, value)) continue;
            if (!item.IsPresent(field)) continue;
            const std::string prefix = "    " + keyword + " ";
            switch (field.kind) {
                case FieldKind::kRect: text += prefix + RectText(value.rect) + "\n"; break;
                case FieldKind::kColor: text += prefix + ColorText(value.color) + "\n"; break;
                case FieldKind::kText:
                    text += prefix + "\"" + EncodeNotation(value.text, Notation::kPlain, true) + "\"\n";
                    break;
                case FieldKind::kChoices:
                    for (const std::string& choice : value.choices) {
                        text += prefix + "\"" + EncodeNotation(choice, Notation::kPlain, true) + "\"\n";
                    }
                    break;
                case FieldKind::kFont: text += prefix + FontText(value.font) + "\n"; break;
                case FieldKind::kLinks:
                    text += "    " + keyword;
                    for (std::int64_t link : value.links) text += " " + std::to_string(link);
                    text += "\n";
                    break;
                default:
                    if (keyword == "flags") {
                        text += prefix + FlagsText(static_cast<std::uint64_t>(value.number)) + "\n";
                    } else if (field.hex) {
                        text += prefix + "0x" + Hex(static_cast<std::uint64_t>(value.number), 4) + "\n";
                    } else {
                        text += prefix + std::to_string(value.number) + "\n";
                    }
            }
        }
        return text;
    }
};

}  // namespace

const SourceKind& ItemListSource() {
    static const ItemListKind kind;
    return kind;
}
