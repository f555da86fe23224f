#pragma once
// Page keywords: the {Name(parameters)} layer of the query pages' templates. A keyword stands for
// live story data (a character's name, the current act) or binds a page control to the story (an
// edit field to a character's text, a popup to an archetype, a button to an action).
//
// There is one object per keyword, made when the program starts and never deleted; making it enters
// it into the one registry of keywords, kept sorted by name (compared byte by byte, as strcmp does),
// in which the interpreter looks names up. Names are case-sensitive and unique. A name that is no
// keyword is left in the text for the macro expander.
//
// The document given to a keyword is the story document the template is interpreted for (the query
// window's), or null; the context is the question context of the page's entry.

#include <cstdint>
#include <string_view>
#include <vector>

class FQSInterpretation;
class IStoryDocument;
class QuestionContext;
class TControl;

class TFQSInterpretable {
public:
    // Enters the keyword into the registry; the name must live as long as the keyword.
    explicit TFQSInterpretable(const char* name);
    // Takes the keyword out of the registry.
    virtual ~TFQSInterpretable();
    TFQSInterpretable(const TFQSInterpretable&) = delete;
    TFQSInterpretable& operator=(const TFQSInterpretable&) = delete;

    const char* GetName() const { return name_; }

    // Expands the keyword in place: writes its text (NUL-terminated, at most remaining - 1
    // characters; nothing rather than a cut text) at `out`, reads its parameters from `source` and
    // leaves it after them (never past the template's NUL), and may store a number in the
    // interpretation's parameter. Answers the keyword to bind a control to, or null for a keyword
    // that only writes text.
    virtual TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                         IStoryDocument* document, FQSInterpretation& interpretation,
                                         std::int32_t& parameter) = 0;
    // The text of a bound field; the default empties the buffer.
    virtual void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                         std::int32_t size);
    // Stores an edited text; the default does nothing.
    virtual void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text);
    // The most bytes, as stored, of a text that SetText keeps whole: a bound field stops there. The
    // default is a long text's.
    virtual std::uint32_t TextLimit() const;
    // The current value of a bound choice; the default answers 0.
    virtual std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding);
    // Stores a choice; the default does nothing.
    virtual void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value);
    // The writer picked an entry of a bound popup: the keyword may turn the popup index into the value
    // to store, or act itself. True when SetChoice is to follow with the value; the default answers
    // false.
    virtual bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                              const FQSInterpretation& binding);
    // Turns a value of GetChoice into the popup index to show; the default leaves it.
    virtual void ChoiceToIndex(std::int16_t& value);
    // The action of a bound push button; the default does nothing.
    virtual void Execute(IStoryDocument* document, const FQSInterpretation& binding);
    // A bound check box changed to the value; the default does nothing.
    virtual void CheckChanged(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value);

private:
    const char* name_;
};

// The longest name the interpreter reads: a registered name longer than this is never found.
inline constexpr std::size_t kKeywordNameLength = 21;

// The keyword with exactly that name, or null.
TFQSInterpretable* FindKeyword(std::string_view name);
// Every keyword, sorted by name.
const std::vector<TFQSInterpretable*>& RegisteredKeywords();

// Reads a keyword's number parameter: an optional sign, decimal digits kept in 16 bits, and one
// "," right after them; no digits read as 0. Leaves the source on the next character (never past
// the NUL).
std::int16_t ReadKeywordNumber(const char*& source);
