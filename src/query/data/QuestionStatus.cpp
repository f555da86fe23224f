#include "query/data/QuestionStatus.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <memory>
#include <string_view>
#include <tuple>

#include "foundation/ByteOrder.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/engine/IStoryFormDocument.h"

namespace {

constexpr std::size_t kRawRecordSize = 8;
constexpr std::int16_t kLowestContext = std::numeric_limits<std::int16_t>::min();
// An open flag of 1 written in the other byte order.
constexpr std::uint16_t kSwappedOpenFlag = 256;

bool Before(const QuestionState& entry, std::int16_t topic, std::int16_t context) {
    return std::tie(entry.topic, entry.context) < std::tie(topic, context);
}

// "QState" and "QState2" on, as PartKey makes them.
bool IsPartKey(std::string_view key) {
    const std::string_view stem(QuestionStatus::kKey);
    if (!key.starts_with(stem)) return false;
    const std::string_view digits = key.substr(stem.size());
    std::size_t number = 1;
    if (!digits.empty() &&
        std::from_chars(digits.data(), digits.data() + digits.size(), number).ec != std::errc())
        return false;
    return number >= 1 && QuestionStatus::PartKey(number - 1) == key;
}

}  // namespace

std::size_t QuestionStatus::LowerBound(std::int16_t topic, std::int16_t context) const {
    // A story's list is read back in the order it was saved: each entry after the last.
    if (entries_.empty() || Before(entries_.back(), topic, context)) return entries_.size();
    const auto at =
        std::lower_bound(entries_.begin(), entries_.end(), std::make_pair(topic, context),
                         [](const QuestionState& entry, const std::pair<std::int16_t, std::int16_t>& key) {
                             return Before(entry, key.first, key.second);
                         });
    return static_cast<std::size_t>(at - entries_.begin());
}

const QuestionState* QuestionStatus::Find(std::int16_t topic, std::int16_t context) const {
    const std::size_t at = LowerBound(topic, context);
    if (at == entries_.size() || entries_[at].topic != topic || entries_[at].context != context)
        return nullptr;
    return &entries_[at];
}

QuestionState* QuestionStatus::FindOrInsert(std::int16_t topic, std::int16_t context, bool insert) {
    const std::size_t at = LowerBound(topic, context);
    if (at < entries_.size() && entries_[at].topic == topic && entries_[at].context == context)
        return &entries_[at];
    if (!insert) return nullptr;
    return &*entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at),
                             QuestionState{topic, context, kQuestionOpen, 1});
}

std::int16_t QuestionStatus::GetStatus(std::int16_t topic, std::int16_t context) const {
    const QuestionState* entry = Find(topic, context);
    return entry ? entry->status : kQuestionOpen;
}

std::int16_t QuestionStatus::GetOpenFlag(std::int16_t topic, std::int16_t context) const {
    const QuestionState* entry = Find(topic, context);
    return entry ? entry->open : 0;
}

void QuestionStatus::SetStatus(std::int16_t status, std::int16_t topic, std::int16_t context) {
    QuestionState* entry = FindOrInsert(topic, context, true);
    if (entry->status == status) return;
    const bool answerChanged = (entry->status == kQuestionOpen && status == kQuestionAnswered) ||
                               (entry->status == kQuestionAnswered && status == kQuestionOpen);
    if (answerChanged && owner_) owner_->SetDirty();
    entry->status = status;
}

void QuestionStatus::SetTopicStatus(std::int16_t status, std::int16_t topic) {
    for (std::size_t at = LowerBound(topic, kLowestContext);
         at < entries_.size() && entries_[at].topic == topic; ++at)
        entries_[at].status = status;
}

void QuestionStatus::SetOpenFlag(std::int16_t open, std::int16_t topic, std::int16_t context) {
    QuestionState* entry = FindOrInsert(topic, context, true);
    if (entry->open != open) entry->open = open;
}

void QuestionStatus::CountTopic(std::int16_t topic, std::int32_t& answered, std::int32_t& total) const {
    for (std::size_t at = LowerBound(topic, kLowestContext);
         at < entries_.size() && entries_[at].topic == topic; ++at) {
        const std::int16_t status = entries_[at].status;
        if (status == kQuestionAnswered || status == kQuestionAnsweredByStoryform) {
            ++answered;
            ++total;
        } else if (status == kQuestionOpen || status == kQuestionNotApplicable) {
            ++total;
        }
    }
}

void QuestionStatus::AddFromText(const char* text) {
    if (!text || *text == '\0') return;
    // Room for the most numbers the text can hold is made at once, and the numbers read straight into it.
    const std::size_t room = MostNumbersIn(text);
    const auto numbers = std::make_unique_for_overwrite<std::uint16_t[]>(room);
    const std::int32_t count = TextToShortArray(text, numbers.get(), static_cast<std::int32_t>(room));
    const auto number = [&numbers](std::int32_t i) { return static_cast<std::int16_t>(numbers[i]); };
    entries_.reserve(entries_.size() + static_cast<std::size_t>(count / 4));
    for (std::int32_t i = 0; i + 3 < count; i += 4) {
        QuestionState* entry = FindOrInsert(number(i), number(i + 1), true);
        entry->status = number(i + 2);
        entry->open = number(i + 3);
    }
}

void QuestionStatus::AddFromRaw(const std::uint8_t* bytes, std::size_t size) {
    const std::size_t count = size / kRawRecordSize;
    bool bigEndian = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (LoadLittleEndian16(bytes + i * kRawRecordSize + 6) == kSwappedOpenFlag) bigEndian = true;
    }
    const auto field = [&](std::size_t record, int n) {
        const std::uint8_t* at = bytes + record * kRawRecordSize + n * 2;
        return static_cast<std::int16_t>(bigEndian ? LoadBigEndian16(at) : LoadLittleEndian16(at));
    };
    for (std::size_t i = 0; i < count; ++i) {
        QuestionState* entry = FindOrInsert(field(i, 0), field(i, 1), true);
        entry->status = field(i, 2);
        entry->open = field(i, 3);
    }
}

std::string QuestionStatus::PartKey(std::size_t part) {
    return part == 0 ? std::string(kKey) : kKey + std::to_string(part + 1);
}

// Each part holds whole entries only, so that no reader ever finds a number cut in the middle.
std::vector<std::string> QuestionStatus::ToTexts() const {
    std::vector<std::string> texts(1);
    for (const QuestionState& entry : entries_) {
        if (entry.status == kQuestionOpen && entry.open == 0) continue;
        char piece[32];
        const int length = std::snprintf(piece, sizeof piece, "%d,%d,%d,%d,", entry.topic, entry.context,
                                         entry.status, entry.open);
        if (texts.back().size() + static_cast<std::size_t>(length) >= kTextLimit - 1) texts.emplace_back();
        texts.back().append(piece, static_cast<std::size_t>(length));
    }
    return texts;
}

bool QuestionStatus::Load(PFMFile* storyFile) {
    if (!storyFile) return true;
    {
        const PFMFileScope scope(storyFile, false);
        if (PFMSegmentExists(kRawType, 0)) {
            bool read = false;
            {
                const CheckedOutHdl raw(kRawType, 0, storyFile);
                if (raw.Data()) AddFromRaw(static_cast<const std::uint8_t*>(raw.Data()), MemSize(raw.Data()));
                read = raw.Data() != nullptr;
            }
            // The segment's failure is this status's, not the next reader's.
            if (!read) PFMClearError();
            PFMRemoveSegment(kRawType, 0);
            return read;
        }
    }
    // A damaged record keeps the parts that read whole, and the story's open tells of it.
    StoryRecord opened = OpenStoryRecord(storyFile, kRecordType, 0);
    if (opened.error == kPTextErrNoRecord) return !opened.lost;
    if (opened.error != kNoErr) {
        // A record that cannot be read goes, and the status is written anew at the next save.
        const PFMFileScope scope(storyFile, false);
        PFMRemoveSegment(kRecordType, 0);
        return false;
    }
    PText& record = *opened.record;
    // Every part the record holds, though one before it was damaged in the file and left out; each
    // read whole, cut as ever to the limit.
    const auto isPart = [](const PTextEntry& entry) { return IsPartKey(entry.key); };
    for (const std::string& key : RecordKeys(record, isPart)) {
        std::vector<char> text(std::min<std::size_t>(record.GetValueSize(key) + std::size_t{1}, kTextLimit),
                               '\0');
        if (record.GetEntry(key, kPTextText, text.data(), static_cast<std::int32_t>(text.size())) >= 0)
            AddFromText(text.data());
    }
    return true;
}

// The record is written only when its text changes (or was damaged in the file), so that saving an
// unchanged story changes nothing in its file.
ErrCode QuestionStatus::Save(PFMFile* storyFile) const {
    if (!storyFile) return kNoErr;
    PText record(storyFile, kRecordType, 0);
    const std::vector<std::string> texts = ToTexts();
    const auto stored = [&](std::size_t part) {
        const std::string key = PartKey(part);
        if (!record.HasKey(key)) return false;
        std::vector<char> old(kTextLimit, '\0');
        record.GetEntry(key, kPTextText, old.data(), static_cast<std::int32_t>(old.size()));
        return texts[part] == old.data();
    };
    std::size_t same = 0;
    while (same < texts.size() && stored(same)) ++same;
    if (same == texts.size() && !record.HasKey(PartKey(same)) && !record.IsChanged()) return kNoErr;
    for (std::size_t part = same; part < texts.size(); ++part)
        record.SetEntry(PartKey(part), kPTextText, texts[part].c_str());
    // The parts of a longer list saved before go.
    for (std::size_t part = texts.size(); record.HasKey(PartKey(part)); ++part) record.Remove(PartKey(part));
    return record.Save();
}
