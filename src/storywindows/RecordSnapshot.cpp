#include "storywindows/RecordSnapshot.h"

#include <string>
#include <utility>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "foundation/pfm/PTextValue.h"

RecordSnapshot::RecordSnapshot(PText& record) : record_(record) {
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0;
         found = record.NextEntry(cursor, entry)) {
        const char type = static_cast<char>(entry.type);
        Entry copy{entry.key, type, {}};
        if (type == kPTextText) {
            const std::int32_t item = record.GetEntry(entry.key, type, nullptr);
            if (item < 0) continue;
            const auto* text = static_cast<const char*>(record.ValuePtr(item));
            copy.value.assign(text, text + std::char_traits<char>::length(text) + 1);
        } else {
            copy.value.resize(PTextNumberSize(type));
            if (copy.value.empty() || record.GetEntry(entry.key, type, copy.value.data()) < 0) continue;
        }
        entries_.push_back(std::move(copy));
    }
}

void RecordSnapshot::Restore() const {
    record_.Clear();
    for (const Entry& entry : entries_) record_.SetEntry(entry.key, entry.type, entry.value.data());
}
