#include "datafiles/ItemRecords.h"

#include <algorithm>

namespace {

constexpr FourCC kPictureType = FourCCOf("BITM");
constexpr std::uint16_t kFallbackPicture = 1042;
constexpr std::int64_t kFirstPictureId = 128;
constexpr std::int64_t kLastPattern = 38;
constexpr std::int64_t kPopupMinimumHeight = 11;

// The fields every item stores first (the item base).
const std::vector<ItemField> kItemFields = {
    {"id", FieldKind::kU16},      {"bounds", FieldKind::kRect},
    {"color", FieldKind::kColor}, {"flags", FieldKind::kU16, 0, 0, 0, {}, true},
    {"links", FieldKind::kLinks},
};

// Controls (buttons, popups) add a notification word, two style bytes and a title.
const std::vector<ItemField> kControlFields = {
    {"notify", FieldKind::kU16},
    {"style1", FieldKind::kU8},
    {"style2", FieldKind::kU8},
    {"title", FieldKind::kText},
};

const ItemField kFont = {"font", FieldKind::kFont};
const ItemField kReserved = {"reserved", FieldKind::kI16, 0, -1, 1, "it is read back as its sign"};
const ItemField kJustification = {"justification", FieldKind::kI8, 0, -1, 1, "-1 right, 0 left, 1 centred"};
const ItemField kPenHeight = {"pen-height", FieldKind::kI16, 1, 0, 49, "a larger pen is read as 10"};
const ItemField kPenWidth = {"pen-width", FieldKind::kI16, 1, 0, 49, "a larger pen is read as 10"};
const ItemField kFill = {"fill", FieldKind::kI8, 0, 0, kLastPattern, "patterns are 1 to 38, 0 for none"};
const ItemField kFrame = {
    "frame", FieldKind::kI8, 0,
    -4,      kLastPattern,   "patterns are 1 to 38, frames -2 sunken, -3 raised, -4 etched, 0 for none"};

std::vector<ItemField> Join(std::initializer_list<std::vector<ItemField>> parts) {
    std::vector<ItemField> fields;
    for (const auto& part : parts) fields.insert(fields.end(), part.begin(), part.end());
    return fields;
}

void CheckFrame(const ItemCheckContext& context) {
    const FieldValue* frame = context.item.Find("frame");
    if (frame && frame->number == -1) context.error("frame", "-1 is neither a pattern nor a frame code");
}

void CheckIcon(const ItemCheckContext& context) {
    const std::int64_t picture = context.item.Find("picture")->number;
    if (picture != 0 && picture < kFirstPictureId) {
        context.error("picture", "picture ids below 128 are read as 0 (the fallback picture 1042)");
        return;
    }
    const auto id = static_cast<std::uint16_t>(picture == 0 ? kFallbackPicture : picture);
    context.needs("picture", {kPictureType, id},
                  picture == 0 ? "the icon's fallback picture" : "the icon's picture");
}

void CheckPopup(const ItemCheckContext& context) {
    const ItemRecord& item = context.item;
    const ItemRect& bounds = item.Find("bounds")->rect;
    if (bounds.bottom - bounds.top < kPopupMinimumHeight) {
        context.error("bounds", "a popup lower than 11 pixels is read as 18 high");
    }
    const std::vector<std::string>& choices = item.Find("choice")->choices;
    for (const std::string& choice : choices) {
        if (choice.size() > 127) context.error("choice", "a choice is shown with at most 127 characters");
    }
    // A typeface popup (style bit 2) stores no choices: the printer's typefaces fill it.
    const bool stored = (item.Find("style")->number & 2) == 0;
    const std::int64_t value = item.Find("value")->number;
    if (stored && value >= static_cast<std::int64_t>(choices.size())) {
        context.error("value", "the chosen index " + std::to_string(value) + " has no choice (there are " +
                                   std::to_string(choices.size()) + ")");
    }
}

std::vector<ItemClass> MakeClasses() {
    const std::vector<ItemField> buttonFont = {kFont, kReserved};
    const std::vector<ItemField> trim = {kPenHeight, kPenWidth, kFill, kFrame};
    return {
        {"TrimBox", 501, Join({kItemFields, trim}), CheckFrame},
        {"StatText", 502, Join({kItemFields, {kFont, kJustification, {"text", FieldKind::kText}}})},
        {"Cluster", 503,
         Join({kItemFields,
               {kFont, kJustification, {"indent", FieldKind::kI8}, kFrame, {"caption", FieldKind::kText}}}),
         CheckFrame},
        {"IconItem", 505, Join({kItemFields, {{"picture", FieldKind::kI16}}}), CheckIcon},
        {"BarGraph", 506,
         Join({kItemFields,
               trim,
               {{"empty", FieldKind::kI16, 0, 0, kLastPattern, "patterns are 1 to 38, 0 for none"},
                {"back-color", FieldKind::kColor}}}),
         CheckFrame},
        {"PushBtn", 507,
         Join({kItemFields, kControlFields, {{"command", FieldKind::kI16, 1000}}, buttonFont})},
        {"RadioBtn", 508, Join({kItemFields, kControlFields, buttonFont})},
        {"CheckBox", 509, Join({kItemFields, kControlFields, buttonFont})},
        {"Popup", 511,
         Join({kItemFields,
               kControlFields,
               {{"style", FieldKind::kU16, 0, 0, 0, {}, true},
                {"value", FieldKind::kI32, -1, -1, INT32_MAX, "-1 is no choice"},
                {"tristate", FieldKind::kI16, 0, -1, 1, "it is read back as its sign"},
                kFont,
                {"choice", FieldKind::kChoices, 0, 0, 0, {}, false, "style", 2}}}),
         CheckPopup},
        {"EditView", 513,
         Join({kItemFields,
               {{"view-flags", FieldKind::kU16, 0, 0, 0, {}, true},
                {"unit-height", FieldKind::kI16, 10},
                {"unit-width", FieldKind::kI16, 10},
                {"inset-top", FieldKind::kI16},
                {"inset-left", FieldKind::kI16},
                {"edit-flags", FieldKind::kU16, 0, 0, 0, {}, true},
                kFont,
                {"alignment", FieldKind::kI8, 0, -1, 1, "-1 right, 0 left, 1 centred"},
                {"text", FieldKind::kText}}})},
    };
}

}  // namespace

const std::vector<ItemClass>& ItemClasses() {
    static const std::vector<ItemClass> classes = MakeClasses();
    return classes;
}

const ItemClass* FindItemClass(std::string_view name) {
    for (const ItemClass& itemClass : ItemClasses()) {
        if (itemClass.name == name) return &itemClass;
    }
    return nullptr;
}

const ItemClass* FindItemClass(ClassId id) {
    for (const ItemClass& itemClass : ItemClasses()) {
        if (itemClass.id == id) return &itemClass;
    }
    return nullptr;
}

FieldValue* ItemRecord::Find(std::string_view keyword) {
    return const_cast<FieldValue*>(static_cast<const ItemRecord*>(this)->Find(keyword));
}

const FieldValue* ItemRecord::Find(std::string_view keyword) const {
    for (std::size_t i = 0; i < itemClass->fields.size(); ++i) {
        if (itemClass->fields[i].keyword == keyword) return &values[i];
    }
    return nullptr;
}

bool ItemRecord::IsPresent(const ItemField& field) const {
    if (field.presentUnless.empty()) return true;
    const FieldValue* condition = Find(field.presentUnless);
    return !condition || (condition->number & field.presentUnlessMask) == 0;
}

FieldValue DefaultValue(const ItemField& field) {
    FieldValue value;
    value.number = field.defaultValue;
    return value;
}

ItemRecord DefaultItem(const ItemClass& itemClass) {
    ItemRecord item{&itemClass, {}};
    for (const ItemField& field : itemClass.fields) item.values.push_back(DefaultValue(field));
    return item;
}

void WriteRecordText(ByteWriter& out, std::string_view text) {
    out.U16(static_cast<std::uint32_t>(text.size()));
    if (text.empty()) return;
    out.Bytes(text);
    out.U8(0);
}

std::optional<std::string> ReadRecordText(ByteReader& in) {
    const std::int16_t length = in.I16();
    if (length < 0) in.Fail();
    if (length <= 0) return in.Ok() ? std::optional<std::string>("") : std::nullopt;
    std::string text = in.Bytes(static_cast<std::size_t>(length));
    if (in.U8() != 0 || text.find('\0') != std::string::npos) in.Fail();
    return in.Ok() ? std::optional<std::string>(std::move(text)) : std::nullopt;
}

void WriteRect(ByteWriter& out, const ItemRect& rect) {
    for (std::int16_t side : {rect.top, rect.left, rect.bottom, rect.right})
        out.U16(static_cast<std::uint16_t>(side));
}

ItemRect ReadRect(ByteReader& in) {
    ItemRect rect;
    rect.top = in.I16();
    rect.left = in.I16();
    rect.bottom = in.I16();
    rect.right = in.I16();
    return rect;
}

void WriteColor(ByteWriter& out, const ItemColor& color) {
    out.U16(color.red);
    out.U16(color.green);
    out.U16(color.blue);
}

ItemColor ReadColor(ByteReader& in) {
    ItemColor color;
    color.red = in.U16();
    color.green = in.U16();
    color.blue = in.U16();
    return color;
}

void WriteItem(ByteWriter& out, const ItemRecord& item) {
    out.U16(item.itemClass->id);
    for (std::size_t i = 0; i < item.values.size(); ++i) {
        const ItemField& field = item.itemClass->fields[i];
        const FieldValue& value = item.values[i];
        if (!item.IsPresent(field)) continue;
        const auto number = static_cast<std::uint32_t>(value.number);
        switch (field.kind) {
            case FieldKind::kU8:
            case FieldKind::kI8: out.U8(number); break;
            case FieldKind::kU16:
            case FieldKind::kI16: out.U16(number); break;
            case FieldKind::kI32: out.U32(number); break;
            case FieldKind::kRect: WriteRect(out, value.rect); break;
            case FieldKind::kColor: WriteColor(out, value.color); break;
            case FieldKind::kLinks:
                out.U16(static_cast<std::uint32_t>(value.links.size()));
                for (std::int64_t link : value.links) out.U16(static_cast<std::uint32_t>(link));
                break;
            case FieldKind::kText: WriteRecordText(out, value.text); break;
            case FieldKind::kFont:
                out.U16(static_cast<std::uint16_t>(value.font.number));
                out.U16(static_cast<std::uint16_t>(value.font.size));
                out.U8(value.font.style);
                break;
            case FieldKind::kChoices:
                out.U32(static_cast<std::uint32_t>(value.choices.size()));
                for (const std::string& choice : value.choices) WriteRecordText(out, choice);
                break;
        }
    }
}

std::optional<ItemRecord> ReadItem(ByteReader& in) {
    const ItemClass* itemClass = FindItemClass(static_cast<ClassId>(in.I16()));
    if (!in.Ok() || !itemClass) return std::nullopt;
    ItemRecord item = DefaultItem(*itemClass);
    for (std::size_t i = 0; i < itemClass->fields.size() && in.Ok(); ++i) {
        const ItemField& field = itemClass->fields[i];
        FieldValue& value = item.values[i];
        if (!item.IsPresent(field)) continue;
        switch (field.kind) {
            case FieldKind::kU8: value.number = in.U8(); break;
            case FieldKind::kI8: value.number = in.I8(); break;
            case FieldKind::kU16: value.number = in.U16(); break;
            case FieldKind::kI16: value.number = in.I16(); break;
            case FieldKind::kI32: value.number = in.I32(); break;
            case FieldKind::kRect: value.rect = ReadRect(in); break;
            case FieldKind::kColor: value.color = ReadColor(in); break;
            case FieldKind::kLinks: {
                const std::uint16_t count = in.U16();
                for (std::uint16_t k = 0; k < count && in.Ok(); ++k) value.links.push_back(in.U16());
                break;
            }
            case FieldKind::kText: {
                auto text = ReadRecordText(in);
                if (text) value.text = std::move(*text);
                break;
            }
            case FieldKind::kFont:
                value.font.number = in.I16();
                value.font.size = in.I16();
                value.font.style = in.U8();
                break;
            case FieldKind::kChoices: {
                const std::int32_t count = in.I32();
                if (count < 0 || static_cast<std::size_t>(count) > in.Remaining() / 2) in.Fail();
                for (std::int32_t k = 0; k < count && in.Ok(); ++k) {
                    auto choice = ReadRecordText(in);
                    if (choice) value.choices.push_back(std::move(*choice));
                }
                break;
            }
        }
    }
    if (!in.Ok()) return std::nullopt;
    return item;
}
