#pragma once
// Turns a template into text for one story (or for none): each {Name(argument,...)} macro becomes
// a story-dependent text - a story point's name, a character's name or text, a pronoun or verb
// that agrees with a character, a definition from the application data file, or a theory term in
// the vocabulary in force ({NObst} is "Impact" or "Obstacle"). A macro that nothing knows stays in
// the text as written, and so does a left brace that no right brace closes. The output may carry
// the bold and italic codes of styled text.
//
// The expansion is bounded whatever the template and the story hold: a story text expanded inside
// another (SDI) nests at most kMaxNesting deep; the work done (a unit for each macro and for each
// byte of the story texts expanded inside) stops at kMaxWork; and the output stops growing at
// kMaxExpandedSize bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "foundation/Types.h"

class CharInfoRec;
class IStoryApplication;
class IStoryDocument;
class PText;
class SList;

// Which value of a story point the macros name: the value in force, or the one that the storyforms
// still possible settle (IStoryDocument::GetSettledStoryPointValue), which the reports name.
enum class PointValues { kInForce, kSettled };

class TextMacroExpander {
public:
    static constexpr int kMaxNesting = 4;
    static constexpr std::size_t kMaxWork = std::size_t{1} << 22;
    static constexpr std::size_t kMaxExpandedSize = std::size_t{8} << 20;
    // The longest macro name and argument, and the most arguments, that a macro is read with.
    static constexpr std::size_t kMaxNameLength = 39;
    static constexpr std::size_t kMaxArgumentLength = 19;
    static constexpr std::size_t kMaxArguments = 5;

    // The document may be null. With an id collector, the ids of the theory items and story point
    // values that the text names are added to it; when the expander goes, the list is sorted by
    // their display names (equal names by id).
    TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector = nullptr,
                      PointValues values = PointValues::kInForce);
    ~TextMacroExpander();
    TextMacroExpander(const TextMacroExpander&) = delete;
    TextMacroExpander& operator=(const TextMacroExpander&) = delete;

    // Expands the whole template and answers the text, which lives as long as the expander. The
    // length (when asked for) counts the bytes written with the terminating NUL.
    const char* Expand(std::uint32_t* length = nullptr);
    // Expands the whole template and hands the text over; the expander answers an empty text after.
    std::string TakeExpansion();

    // Whether the name is one of the macros the expander runs (terminology keys aside).
    static bool KnowsMacro(std::string_view name);

private:
    // Looked-up texts with what they gave; few, so searched in order.
    template <typename T>
    struct LookUps {
        std::vector<std::pair<std::string, T>> entries;
        const T* Find(std::string_view text) const;
        // Keeps the look-up (the first kMostKept of them) and answers its value.
        T Add(std::string_view text, T value);
        static constexpr std::size_t kMostKept = 64;
    };
    // What one expansion shares with the expansions nested in it: the output, the work left, and
    // the records and texts of the data file read so far (null where there is none).
    struct Expansion {
        std::string output;
        std::size_t workLeft = kMaxWork;
        bool full = false;
        std::unordered_map<std::uint64_t, std::unique_ptr<PText>> dataRecords;
        std::unordered_map<std::uint64_t, std::optional<std::string>> dataTexts;
        // The terms of terminology keys and the story point indexes of codes looked up so far.
        LookUps<const char*> terms;
        LookUps<int> storyPoints;
        // Whether an id was added to the collector, which then is no longer in its order by name.
        bool collected = false;
        // By id, whether the collector holds it: read from the collector at the first id collected,
        // so that an id is not looked for along the whole list each time.
        std::vector<bool> held;
        PointValues values = PointValues::kInForce;
    };
    struct MacroCall {
        std::string_view name;
        std::array<std::string_view, kMaxArguments> arguments;
        std::size_t argumentCount = 0;
        std::string_view Argument(std::size_t i) const {
            return i < argumentCount ? arguments[i] : std::string_view();
        }
    };
    using Handler = void (TextMacroExpander::*)(const MacroCall& call);
    struct NamedHandler {
        std::uint32_t name;  // the name's three or four characters, packed
        Handler handler;
    };
    static const std::array<NamedHandler, 22> kHandlers;
    // The handler of a macro name, or null.
    static const NamedHandler* FindHandler(std::string_view name);

    // An expander for a story text inside another, writing into the same output.
    TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector, Expansion& expansion,
                      int nesting);

    void Walk();
    // Takes the units of work from what is left; false, with the expansion ended, when too few are.
    bool Spend(std::size_t units);
    // Expands the macro that starts at the brace; answers the position after it.
    const char* ExpandMacro(const char* brace, const char* end);
    bool ExpandTerm(std::string_view name);
    // The term of a terminology key, or null.
    const char* TermOf(std::string_view key);

    void Append(std::string_view text);
    // The text between the style codes on and off of bold ('B') or italics ('I').
    void AppendStyled(std::string_view text, char style);
    // Adds a positive id (folded onto the first element rows) to the id collector.
    void Collect(int id);
    // The value an argument names: a decimal number, or the value in force of the story point
    // whose code it is (0 without a document or for a code that names no point).
    int Value(std::string_view argument);
    // The row of the story point whose code an argument is; -1 for a number, the impact character's
    // resolve, or a code that names no point.
    int PointIndex(std::string_view argument);
    // The id whose dictionary texts (definitions, synonyms, names) tell of the value an argument
    // names: the value itself, but for the impact character's resolve its value's own entry, which
    // speaks of the impact character.
    int TextID(std::string_view argument, int value) const;
    // A keyed record of the application data file, or null when it has none; read once for the
    // expansion.
    PText* DataRecord(FourCC type, int number);
    // Appends the text of a text segment of the application data file (up to its first NUL).
    void AppendDataText(FourCC type, int id);
    // The character an argument names - beginning with M the Main character, with O the impact
    // character, digits an id - with its record open; null when the story has no such character.
    CharInfoRec* Character(std::string_view who) const;
    // The leading decimal digits of an argument as a number; 0 when it does not begin with one.
    static int Number(std::string_view argument);

    // The macros, by name.
    void MacroCNN(const MacroCall& call);
    void MacroCNNU(const MacroCall& call);
    void MacroSNF(const MacroCall& call);
    void MacroDNF(const MacroCall& call);
    void MacroCLS(const MacroCall& call);
    void MacroDDF(const MacroCall& call);
    void MacroSDF(const MacroCall& call);
    void MacroSLD(const MacroCall& call);
    void MacroSYN(const MacroCall& call);
    void MacroSNN(const MacroCall& call);
    void MacroSPN(const MacroCall& call);
    void MacroSVB(const MacroCall& call);
    void MacroPPN(const MacroCall& call);
    void MacroSDI(const MacroCall& call);
    void MacroSTF(const MacroCall& call);
    void MacroQQE(const MacroCall& call);
    void MacroQBG(const MacroCall& call);
    void MacroQST(const MacroCall& call);
    void MacroQDU(const MacroCall& call);
    void MacroAPD(const MacroCall& call);
    void MacroGDO(const MacroCall& call);
    void MacroSUB(const MacroCall& call);

    IStoryApplication* application_;
    IStoryDocument* document_;
    const char* source_;
    SList* idCollector_;
    int nesting_;
    std::unique_ptr<Expansion> own_;
    Expansion& expansion_;
    // The macro being expanded; kept here, not made afresh for each macro, as it is large.
    MacroCall call_;
    bool expanded_ = false;
};

// For text look-ups an element id of 85 to 999 stands for its element in the first class: 85 plus
// its rank (id - 85) mod 64. Other ids stay as they are.
int FoldElementID(int id);

// Whether the text holds a left brace (and so may hold a macro).
bool ContainsMacro(const char* text);

// The template expanded for the document (which may be null).
std::string ExpandText(IStoryDocument* document, const char* text);
