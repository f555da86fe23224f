#pragma once
// The theory's texts for one term, as the application data file keeps them: its dictionary name
// ('SNNS'), short definition ('SDEF'), long definition ('LDEF') and synonyms ('SYNS'), each a text
// segment numbered by the term's id (an element of any class is read under the element of the same
// rank in the first class), and the description of a story point (keyed record 'APPR' numbered by
// the point's id, key "DF"). The texts are styled text and may hold macros.

#include <cstdint>
#include <string>

#include "foundation/Types.h"

class PFMFile;

inline constexpr FourCC kTermNameSegment = FourCCOf("SNNS");
inline constexpr FourCC kShortDefinitionSegment = FourCCOf("SDEF");
inline constexpr FourCC kLongDefinitionSegment = FourCCOf("LDEF");
inline constexpr FourCC kSynonymSegment = FourCCOf("SYNS");

// The id a term's texts are kept under: elements folded onto the first class.
int TextIdOfTerm(int id);

class TheoryTexts {
public:
    // The store holding the texts (not owned); null reads nothing.
    explicit TheoryTexts(PFMFile* store) : store_(store) {}

    // The text of the kind for the term; empty when the store has none. The segment's text ends at
    // its first NUL or at its end.
    std::string Text(FourCC kind, int id) const;
    // The term's name in the dictionary: its 'SNNS' text (its macros expanded), else its name in the
    // vocabulary in force.
    std::string Name(int id) const;
    // A styled template of the term's definitions: its name in bold, then its short definition, its
    // long definition (when asked for) and its synonyms (when asked for), the missing ones left out.
    std::string Definitions(int id, bool longDefinition, bool synonyms) const;
    // The description of the story point with the id; empty when there is none.
    std::string Description(std::int16_t storyPointId) const;
    PFMFile* GetStore() const { return store_; }

private:
    PFMFile* store_;
};

// The texts of the application data file (none when it is not open).
TheoryTexts ApplicationTheoryTexts();
