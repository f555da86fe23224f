#pragma once
// Whole texts of keyed records, however long they are, and the keys a record holds.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class PText;
struct PTextEntry;

// The text under the key; the empty text when the key is absent or holds no text.
std::string RecordText(PText& record, std::string_view key);
// The same text as the record holds it, valid until the record changes.
std::string_view RecordTextView(PText& record, std::string_view key);

// Writes the text under the key unless the record holds exactly that text already; answers 1 when
// the record changed, 0 when it held the text, or the record's error (-4 for a text too long for
// a record). A value of another type under the key (a damaged record) is replaced.
std::int32_t WriteRecordText(PText& record, std::string_view key, const char* text);
// Writes a 16-bit number under the key, replacing a value of another type; answers whether the
// record holds the number now.
bool WriteRecordNumber(PText& record, std::string_view key, std::int16_t value);

// The keys of the record's entries that `takes` chooses, in key order.
std::vector<std::string> RecordKeys(const PText& record, const std::function<bool(const PTextEntry&)>& takes);
