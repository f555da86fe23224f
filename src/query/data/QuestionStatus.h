#pragma once
// Which query questions of one story have been answered, and which nodes of the query window's
// topic tree were left open. Each question is a pair of its topic id and the status key of its
// context (0 for a question without context); the list holds at most one entry per pair, sorted by
// topic id and then by context key, both as signed 16-bit numbers. A pair without an entry reads as
// status 0 and closed.
//
// The story file keeps the list as text in its record 'QST3' 0: four numbers per entry
// ("topic,context,status,open,"), entries equal to a missing one left out. A text value holds at
// most 32,766 characters, so a long list goes in whole-entry parts: the first under "QState",
// which every reader of the record reads, and the rest under "QState2", "QState3" and on, which
// earlier readers pass over. Older files kept a raw segment 'QSTs' of 8-byte records instead, which
// is read once and removed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Types.h"

class IStoryFormDocument;
class PFMFile;

// Answer statuses.
inline constexpr std::int16_t kQuestionOpen = 0;
inline constexpr std::int16_t kQuestionAnswered = 1;
inline constexpr std::int16_t kQuestionAnsweredByStoryform = 2;
inline constexpr std::int16_t kQuestionNoStatus = 3;
inline constexpr std::int16_t kQuestionNotApplicable = 4;

struct QuestionState {
    std::int16_t topic = 0;
    std::int16_t context = 0;
    std::int16_t status = kQuestionOpen;
    std::int16_t open = 0;
};

class QuestionStatus {
public:
    static constexpr FourCC kRecordType = FourCCOf("QST3");
    static constexpr FourCC kRawType = FourCCOf("QSTs");
    static constexpr const char* kKey = "QState";
    // Each part of the text is read, and written, within this many bytes (its NUL included).
    static constexpr std::size_t kTextLimit = 32768;
    // The key of the part (0 the first).
    static std::string PartKey(std::size_t part);

    QuestionStatus() = default;
    QuestionStatus(const QuestionStatus&) = delete;
    QuestionStatus& operator=(const QuestionStatus&) = delete;

    // The document marked changed when an answer comes or goes; null for none.
    void SetOwner(IStoryFormDocument* owner) { owner_ = owner; }
    // Forgets every entry.
    void Clear() { entries_.clear(); }

    // Fills the list from the story file: from a 'QSTs' segment when it has one (which is then
    // removed from the file), else from 'QST3'. A missing record or key leaves the list as it is.
    // False when nothing of the segment the status is read from can be read: it is then removed
    // from the file, and the status written anew at the next save. A damaged 'QST3' keeps the
    // parts that read whole and is noted in the story file as damaged (storymodel/StoryRecords.h).
    bool Load(PFMFile* storyFile);
    // Writes the list into 'QST3' of the story file, every entry of it, leaving no part of an
    // earlier longer list behind (the record saved into its segment when it changed); 0 or the
    // record's error.
    ErrCode Save(PFMFile* storyFile) const;

    // The entry of the pair, or null; with insert, a missing pair is added with status 0 and open.
    QuestionState* FindOrInsert(std::int16_t topic, std::int16_t context, bool insert);
    std::int16_t GetStatus(std::int16_t topic, std::int16_t context) const;
    std::int16_t GetOpenFlag(std::int16_t topic, std::int16_t context) const;
    // Stores the status (adding the entry when missing); a change between open (0) and answered (1)
    // marks the document changed.
    void SetStatus(std::int16_t status, std::int16_t topic, std::int16_t context);
    // The status of every entry of the topic, whatever its context; adds nothing, marks nothing.
    void SetTopicStatus(std::int16_t status, std::int16_t topic);
    void SetOpenFlag(std::int16_t open, std::int16_t topic, std::int16_t context);
    // Adds the topic's answered entries (1, 2) to both counters and its open ones (0, 4) to the
    // total only.
    void CountTopic(std::int16_t topic, std::int32_t& answered, std::int32_t& total) const;

    const std::vector<QuestionState>& Entries() const { return entries_; }
    // The stored texts of the list, each of whole entries within the text limit, in list order; at
    // least one (empty for a list with nothing to keep).
    std::vector<std::string> ToTexts() const;
    // Reads the entries of a stored text, four numbers at a time.
    void AddFromText(const char* text);
    // Reads a 'QSTs' segment's bytes.
    void AddFromRaw(const std::uint8_t* bytes, std::size_t size);

private:
    // The place of the first entry not before the pair.
    std::size_t LowerBound(std::int16_t topic, std::int16_t context) const;
    const QuestionState* Find(std::int16_t topic, std::int16_t context) const;

    std::vector<QuestionState> entries_;
    IStoryFormDocument* owner_ = nullptr;
};
