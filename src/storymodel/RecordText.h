#pragma once
// Whole texts of keyed records, however long they are.

#include <string>
#include <string_view>

class PText;

// The text under the key; the empty text when the key is absent or holds no text.
std::string RecordText(PText& record, std::string_view key);
// The same text as the record holds it, valid until the record changes.
std::string_view RecordTextView(PText& record, std::string_view key);

// Writes the text under the key unless the record holds exactly that text already; answers
// whether the record changed.
bool WriteRecordText(PText& record, std::string_view key, const char* text);
