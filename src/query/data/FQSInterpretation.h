#pragma once
// One template of a query page, interpreted: its page keywords expanded or bound. The result is
// either a text (plain characters and the texts that keywords wrote, with the story model's {...}
// macros left for the macro expander) or, when the last keyword met binds controls, that keyword.
//
// The template is scanned once, within a maximum length: a character other than "{" is copied; a
// "{" is followed by a name (up to the first NUL, "(", ")", "{" or "}", at most 21 characters) that
// is looked up among the page keywords. An unknown name leaves its "{" in the text as an ordinary
// character. After a keyword's name one delimiter is skipped (normally "("); the keyword reads its
// parameters; then two closing characters (normally ")}") are skipped. A keyword without
// parameters is therefore written {Name()}. Copying stops when one byte of room is left, so a text
// without keywords comes back cut to maximum length - 1 characters. Neither skip goes past the
// template's end, so a template cut inside a keyword ends there.
//
// The interpretation keeps the context of the page entry it was made for, which the keywords read,
// and the number parameter a keyword read.

#include <cstdint>
#include <memory>

#include "query/data/QuestionContext.h"

class FQSPageData;
class IStoryDocument;
class PText;
class TFQSInterpretable;

class FQSInterpretation : public QuestionContext {
public:
    // Interprets at once. With a record, keyOrText is the key of the record's text that holds the
    // template (at most maxLength bytes of it are read; a missing key gives a negative status and
    // the empty text); without, it is the template itself. The entry's context is copied for every
    // keyword; without an entry the context stays empty.
    FQSInterpretation(IStoryDocument* document, std::int32_t maxLength, const char* keyOrText,
                      const FQSPageData* entry, PText* record);
    ~FQSInterpretation();
    FQSInterpretation(const FQSInterpretation&) = delete;
    FQSInterpretation& operator=(const FQSInterpretation&) = delete;

    // Exactly one of the text and the keyword is set.
    bool IsValid() const { return (text_ != nullptr) != (keyword_ != nullptr); }
    bool IsText() const { return IsValid() && text_; }
    bool IsKeyword() const { return IsValid() && keyword_; }
    // The text; empty when the template could not be read, or when the result is a keyword.
    const char* GetText() const { return status_ != 0 || !text_ ? "" : text_.get(); }
    TFQSInterpretable* GetKeyword() const { return keyword_; }
    IStoryDocument* GetDocument() const { return document_; }
    // -1 until a keyword reads its parameter.
    std::int32_t GetParameter() const { return parameter_; }
    // 0 when the template was read; the record's error when its key was missing.
    std::int32_t GetStatus() const { return status_; }

    // Fills a control's buffer of the size (the buffer is emptied first): a keyword's text; the text
    // itself, cut to size - 1 characters, without a record; with one, the record's text whose key is
    // the interpreted text, at most size - 1 characters of it.
    void ReadInto(char* buffer, std::int32_t size, PText* record) const;

private:
    void Scan(const char* source, std::int32_t maxLength, const FQSPageData* entry, char* out);

    std::unique_ptr<char[]> text_;
    IStoryDocument* document_;
    std::int32_t parameter_ = -1;
    TFQSInterpretable* keyword_ = nullptr;
    std::int32_t status_ = 0;
};
