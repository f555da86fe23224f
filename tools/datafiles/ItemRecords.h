#pragma once
// The item records of item lists ('ITM#'): the classes a window's items can be read as, the
// fields each class stores (its base classes' first), and their stored form. Every integer is
// big-endian; a text is a 16-bit length and, when not empty, its bytes and a NUL.
//
// Adding an item class: describe its fields in ItemRecords.cpp and add it to the class table.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Bytes.h"
#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"

enum class FieldKind {
    kU8,
    kI8,
    kU16,
    kI16,
    kI32,
    kRect,     // top, left, bottom, right (i16 each)
    kColor,    // red, green, blue (u16 each)
    kLinks,    // a u16 count, then that many u16 item indexes
    kText,     // i16 length, the bytes and a NUL (the length alone when 0)
    kFont,     // font number (i16), size (i16), style bits (u8)
    kChoices,  // an i32 count, then that many texts
};

struct ItemField {
    std::string_view keyword = {};
    FieldKind kind = FieldKind::kU8;
    std::int64_t defaultValue = 0;
    // The values the program reads as written (both 0: all that the field's width holds).
    std::int64_t min = 0;
    std::int64_t max = 0;
    std::string_view rangeNote = {};  // why the range is narrower, for messages
    bool hex = false;                 // a bit set, written in hexadecimal
    // A field stored only when the field named here has none of the mask's bits.
    std::string_view presentUnless = {};
    std::uint32_t presentUnlessMask = 0;
};

struct ItemRect {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    bool Contains(const ItemRect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const ItemRect&, const ItemRect&) = default;
};

struct ItemColor {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    friend bool operator==(const ItemColor&, const ItemColor&) = default;
};

struct ItemFont {
    std::int16_t number = 0;
    std::int16_t size = 12;
    std::uint8_t style = 0;
    friend bool operator==(const ItemFont&, const ItemFont&) = default;
};

struct FieldValue {
    std::int64_t number = 0;
    ItemRect rect;
    ItemColor color;
    ItemFont font;
    std::string text;
    std::vector<std::int64_t> links;
    std::vector<std::string> choices;
    int line = 0;  // the source line that set it; 0 for a default
};

struct ItemCheckContext;
// Checks of one item that concern its values together: the program's rules beyond each field's
// range, and the segments the item needs.
using ItemCheck = void (*)(const ItemCheckContext& context);

struct ItemClass {
    std::string_view name;
    ClassId id;
    std::vector<ItemField> fields;  // every field after the class id, in stored order
    ItemCheck check = nullptr;
};

struct ItemRecord {
    const ItemClass* itemClass = nullptr;
    std::vector<FieldValue> values;  // one per field of the class

    // The value of a field by keyword; null when the class has no such field.
    FieldValue* Find(std::string_view keyword);
    const FieldValue* Find(std::string_view keyword) const;
    // Whether a field is stored, by its condition on another field.
    bool IsPresent(const ItemField& field) const;
};

struct ItemCheckContext {
    const ItemRecord& item;
    // Reports a problem with a field (at its line, or the item's).
    std::function<void(std::string_view keyword, const std::string& message)> error;
    // Notes a segment the item needs, named by a field.
    std::function<void(std::string_view keyword, PFMSegmentKey key, const std::string& what)> needs;
};

// The item list itself: its record before the items.
inline constexpr ClassId kItemListClassId = 106;

const std::vector<ItemClass>& ItemClasses();
const ItemClass* FindItemClass(std::string_view name);
const ItemClass* FindItemClass(ClassId id);

// A new record of the class with every field at its default.
ItemRecord DefaultItem(const ItemClass& itemClass);
// The default of a field.
FieldValue DefaultValue(const ItemField& field);

void WriteItem(ByteWriter& out, const ItemRecord& item);
// Reads one item record (its class id first); nothing for a class the table does not know or a
// record that is not complete.
std::optional<ItemRecord> ReadItem(ByteReader& in);

void WriteRecordText(ByteWriter& out, std::string_view text);
std::optional<std::string> ReadRecordText(ByteReader& in);
void WriteRect(ByteWriter& out, const ItemRect& rect);
ItemRect ReadRect(ByteReader& in);
void WriteColor(ByteWriter& out, const ItemColor& color);
ItemColor ReadColor(ByteReader& in);
