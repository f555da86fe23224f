#pragma once
// One entry of a question list (or of a scene page's appreciation menu): the topic it asks about,
// its outline level, its flags and the expansion code it came with, in the context of a character,
// throughline, scene and so on. The query pages derive from it.

#include <cstdint>

#include "query/data/QuestionContext.h"

class FQSPageData : public QuestionContext {
public:
    // Bit 0 of the flags: the entry's tree node is open.
    static constexpr std::uint16_t kOpenFlag = 1;

    // An empty context, topic -1, level -1, flags 0 and code 0.
    FQSPageData() = default;
    FQSPageData(std::uint16_t code, std::int16_t topic, std::int16_t level)
        : topic_(topic), level_(level), code_(code) {}
    FQSPageData(const FQSPageData&) = default;
    FQSPageData& operator=(const FQSPageData&) = default;
    virtual ~FQSPageData() = default;

    // The topic table's row (-1 none); in a list made from an appreciation table, that table's row.
    std::int16_t GetTopic() const { return topic_; }
    void SetTopic(std::int16_t topic) { topic_ = topic; }
    // 1 for a top entry; -1 none.
    std::int16_t GetLevel() const { return level_; }
    void SetLevel(std::int16_t level) { level_ = level; }
    std::uint16_t GetFlags() const { return flags_; }
    void SetFlags(std::uint16_t flags) { flags_ = flags; }
    bool IsOpen() const { return (flags_ & kOpenFlag) != 0; }
    void SetOpen(bool open) { flags_ = open ? (flags_ | kOpenFlag) : (flags_ & ~kOpenFlag); }
    std::uint16_t GetCode() const { return code_; }
    void SetCode(std::uint16_t code) { code_ = code; }

    const QuestionContext& Context() const { return *this; }

    // Fills the context from the source, and takes its topic and level where these are -1 and its
    // flags where these are 0.
    void MergeFrom(const FQSPageData& source);

private:
    std::int16_t topic_ = -1;
    std::int16_t level_ = -1;
    std::uint16_t flags_ = 0;
    std::uint16_t code_ = 0;
};
