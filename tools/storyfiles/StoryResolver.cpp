#include "storyfiles/StoryResolver.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "app/FKDoc.h"
#include "datafiles/SourceReader.h"
#include "datafiles/TextNotation.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The examples file keeps this much of a story's title.
constexpr std::size_t kMaxTitle = 99;

// The texts of a character record, by the name a source gives them.
constexpr std::array<std::pair<const char*, const char*>, 12> kCharacterTexts = {{
    {"role", CharacterKey::kRole},
    {"role-detail", CharacterKey::kRoleX},
    {"function", CharacterKey::kFunction},
    {"description", CharacterKey::kDescription},
    {"activities", CharacterKey::kActivities},
    {"background", CharacterKey::kBackground},
    {"interests", CharacterKey::kInterests},
    {"skills", CharacterKey::kSkills},
    {"beliefs", CharacterKey::kBeliefs},
    {"physical", CharacterKey::kPhysical},
    {"introduction", CharacterKey::kIntroduction},
    {"dismissal", CharacterKey::kDismissal},
}};

bool NameIs(const char* name, const std::string& wanted) { return name && wanted == name; }

// The row of a theory item (class, type, variation or element) in [first, first + count) named so.
std::optional<std::int16_t> ItemByName(int first, int count, const std::string& name) {
    for (int id = first; id < first + count; ++id) {
        const ElementRecord& row = kElementTable[static_cast<std::size_t>(id)];
        if (NameIs(row.name, name) || NameIs(row.altName, name)) return static_cast<std::int16_t>(id);
    }
    return std::nullopt;
}

// Whether a story point takes a choice: the dynamics the writer answers, and the throughline points
// the engine gives a value.
bool IsChoosable(const StoryPointRecord& row) {
    if (row.kind == kDynamicPoint) return row.engineField != kNoEngineField;
    return row.kind >= kDomainLevelPoint && row.kind <= kElementLevelPoint &&
           row.engineField != kNoEngineField;
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(start, end - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        if (!item.empty()) items.push_back(item);
        start = end + 1;
    }
    return items;
}

class StoryResolver {
public:
    StoryResolver(const StorySource& source, ResolvedStory& story, Diagnostics& diagnostics)
        : source_(source), story_(story), diagnostics_(diagnostics) {}

    void Resolve() {
        story_.title = source_.title.bytes;
        if (story_.title.size() > kMaxTitle)
            Error(source_.title.line, "a title has at most " + std::to_string(kMaxTitle) + " characters");
        Info();
        Choices();
        Characters();
        Relationships();
        Scenes();
        Storytelling();
    }

private:
    void Error(int line, const std::string& message) { diagnostics_.Error({source_.path, line}, message); }

    // The row of a story point code, or -1 after an error.
    int PointByCode(const std::string& code, int line) {
        const int index = StoryPointIndexForCode(code.c_str());
        if (index < 0) Error(line, "no story point has the code \"" + code + "\"");
        return index;
    }

    std::string Decode(const std::string& text, int line) {
        std::string error;
        const std::optional<std::string> bytes = DecodeNotation(text, Notation::kPlain, kNoVariables, error);
        if (!bytes) Error(line, error);
        return bytes ? *bytes : std::string();
    }

    void Info() {
        for (const StoryInfoText& info : source_.info) {
            const auto* keys = std::begin(FKDoc::kSynopsisKeys);
            const auto* end = std::end(FKDoc::kSynopsisKeys);
            if (std::find_if(keys, end, [&](const char* key) { return info.key == key; }) == end) {
                Error(info.text.line, "the story's information has no text \"" + info.key +
                                          "\" (it knows the synopses: Synopsis, CharSynGen, OSSynopsis, "
                                          "SSSynopsis, MCSynopsis, OCSynopsis, MCActivity, OCActivity, "
                                          "PlotSynGen, ThemeSynGen)");
            } else if (info.text.bytes.empty()) {
                Error(info.text.line, "the text is empty");
            }
            story_.info.emplace_back(info.key, info.text.bytes);
        }
    }

    // The class of the domain the storyform chooses for the throughline of the point at the row.
    int DomainClass(int index) {
        const StoryPointRecord* row = StoryPointAt(index);
        const int domain = row ? ThroughlineDomainIndex(row->id) : -1;
        for (const StoryChoice& choice : source_.choices) {
            if (StoryPointIndexForCode(choice.code.c_str()) != domain) continue;
            if (const auto value = StoryPointValueByName(domain, choice.value, 0)) return *value;
        }
        return 0;
    }

    void Choices() {
        std::map<int, int> chosen;
        for (const StoryChoice& choice : source_.choices) {
            const int index = PointByCode(choice.code, choice.line);
            if (index < 0) continue;
            const StoryPointRecord& row = *StoryPointAt(index);
            if (!IsChoosable(row)) {
                Error(choice.line, "\"" + choice.code + "\" follows from the storyform; it is not chosen");
                continue;
            }
            if (!chosen.emplace(index, choice.line).second) {
                Error(choice.line, "\"" + choice.code + "\" is chosen twice (first on line " +
                                       std::to_string(chosen[index]) + ")");
                continue;
            }
            const int elementClass = row.kind == kElementLevelPoint ? DomainClass(index) : 0;
            if (row.kind == kElementLevelPoint && elementClass == 0) {
                Error(choice.line,
                      "an element of \"" + choice.code + "\" needs the domain of its throughline chosen too");
                continue;
            }
            const std::optional<std::int16_t> value =
                StoryPointValueByName(index, choice.value, elementClass);
            if (!value) {
                Error(choice.line, "\"" + choice.code + "\" has no value \"" + choice.value + "\"");
                continue;
            }
            story_.choices.push_back({choice.line, index, *value});
        }
    }

    void CharacterField(const StoryField& field, ResolvedCharacter& character) {
        const std::string& value = field.value;
        if (field.name == "sex") {
            static const std::array<const char*, 3> kSexes = {"male", "female", "neither"};
            const auto* found =
                std::find_if(kSexes.begin(), kSexes.end(), [&](const char* s) { return value == s; });
            if (found == kSexes.end()) Error(field.line, "a character's sex is male, female or neither");
            character.sex = static_cast<std::uint16_t>(found - kSexes.begin());
        } else if (field.name == "form") {
            if (value != "one" && value != "several")
                Error(field.line, "a character's form is one or several");
            character.form = value == "several" ? kPluralForm : kSingularForm;
        } else if (field.name == "picture") {
            const std::optional<std::int64_t> number = ParseSourceNumber(value);
            if (!number || *number < 0 || *number >= 0x8000)
                Error(field.line, "a stock picture's number is 0 to 32767");
            character.picture = static_cast<std::uint16_t>(number.value_or(0));
        } else if (field.name == "subjective") {
            if (value != "main" && value != "impact")
                Error(field.line, "a subjective role is main or impact");
            character.subjectiveRole = value == "main" ? kMainRole : kImpactRole;
        } else if (field.name == "archetype") {
            character.archetype = 0;
            for (std::int16_t a = kFirstArchetype; a <= kLastArchetype; ++a) {
                if (value == ArchetypeName(a)) character.archetype = a;
            }
            if (character.archetype == 0) Error(field.line, "no archetype is called \"" + value + "\"");
        } else {
            const auto* text = std::find_if(kCharacterTexts.begin(), kCharacterTexts.end(),
                                            [&](const auto& entry) { return field.name == entry.first; });
            if (text == kCharacterTexts.end()) {
                Error(field.line, "a character has no field \"" + field.name + "\"");
            } else if (field.text.bytes.empty()) {
                Error(field.line, "the text is empty");
            } else {
                character.texts.emplace_back(text->second, field.text.bytes);
            }
            return;
        }
        if (field.continued) Error(field.line, "\"" + field.name + "\" is one line");
    }

    void Characters() {
        std::array<int, 3> roles{};
        for (const StoryCharacter& source : source_.characters) {
            ResolvedCharacter character;
            character.line = source.line;
            character.name = Decode(source.name, source.line);
            if (character.name.size() > kMaxCharacterName)
                Error(source.line,
                      "a character's name has at most " + std::to_string(kMaxCharacterName) + " characters");
            if (CharacterPlace(character.name))
                Error(source.line, "two characters are called " + source.name);
            for (const StoryField& field : source.fields) CharacterField(field, character);
            if (character.subjectiveRole != kNoRole) {
                int& holder = roles[static_cast<std::size_t>(character.subjectiveRole)];
                if (holder != 0)
                    Error(source.line, "another character (line " + std::to_string(holder) +
                                           ") holds this subjective role");
                holder = source.line;
            }
            story_.characters.push_back(std::move(character));
        }
        if (roles[kMainRole] == 0) Error(0, "no character is the main character (\"subjective main\")");
        if (roles[kImpactRole] == 0) Error(0, "no character is the impact character (\"subjective impact\")");
    }

    std::optional<std::size_t> CharacterPlace(const std::string& name) const {
        for (std::size_t i = 0; i < story_.characters.size(); ++i) {
            if (story_.characters[i].name == name) return i;
        }
        return std::nullopt;
    }

    std::optional<std::size_t> CharacterNamed(const std::string& name, int line) {
        const std::optional<std::size_t> place = CharacterPlace(Decode(name, line));
        if (!place) Error(line, "no character is called \"" + name + "\"");
        return place;
    }

    void Relationships() {
        for (const StoryRelationship& source : source_.relationships) {
            const auto first = CharacterNamed(source.first, source.line);
            const auto second = CharacterNamed(source.second, source.line);
            if (source.text.bytes.empty()) Error(source.line, "the relationship's text is empty");
            if (first && second)
                story_.relationships.push_back({source.line, *first, *second, source.text.bytes});
        }
    }

    void Scenes() {
        for (const StoryScene& source : source_.scenes) {
            ResolvedScene scene;
            scene.line = source.line;
            scene.title = Decode(source.title, source.line);
            if (scene.title.empty()) Error(source.line, "a scene has a title");
            for (const StoryField& field : source.fields) {
                if (field.name == "description") {
                    scene.description = field.text.bytes;
                } else if (field.name == "points") {
                    for (const std::string& code : SplitList(field.text.bytes, ' ')) {
                        const int index = PointByCode(code, field.line);
                        if (index >= 0) scene.points.push_back(index);
                    }
                } else if (field.name == "characters") {
                    for (const std::string& name : SplitList(field.text.bytes, ',')) {
                        if (const auto place = CharacterNamed(name, field.line))
                            scene.characters.push_back(*place);
                    }
                } else {
                    Error(field.line, "a scene has no field \"" + field.name +
                                          "\" (it knows: description, points, characters)");
                }
            }
            story_.scenes.push_back(std::move(scene));
        }
    }

    void Storytelling() {
        std::map<int, int> told;
        for (const StoryStorytelling& source : source_.storytelling) {
            const int index = PointByCode(source.code, source.text.line);
            if (index < 0) continue;
            if (!told.emplace(index, source.text.line).second) {
                Error(source.text.line, "\"" + source.code + "\" is told twice (first on line " +
                                            std::to_string(told[index]) + ")");
            } else if (source.text.bytes.empty()) {
                Error(source.text.line, "the storytelling text is empty");
            }
            story_.storytelling.push_back({source.text.line, index, source.text.bytes});
        }
    }

    inline static const Variables kNoVariables;
    const StorySource& source_;
    ResolvedStory& story_;
    Diagnostics& diagnostics_;
};

}  // namespace

std::optional<std::int16_t> StoryPointValueByName(int index, const std::string& name, int elementClass) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row) return std::nullopt;
    switch (row->kind) {
        case kDynamicPoint:
            for (const std::int16_t value :
                 {static_cast<std::int16_t>(row->id + 1), static_cast<std::int16_t>(row->id + 2)}) {
                const StoryPointRecord* valueRow = StoryPointByID(value);
                if (valueRow && (NameIs(valueRow->name, name) || NameIs(valueRow->altName, name)))
                    return value;
            }
            return std::nullopt;
        case kDomainLevelPoint: return ItemByName(kFirstClassID, 4, name);
        case kConcernLevelPoint: return ItemByName(kFirstTypeID, 16, name);
        case kIssueLevelPoint: return ItemByName(kFirstVariationID, 64, name);
        case kElementLevelPoint:
            if (elementClass < 1 || elementClass > 4) return std::nullopt;
            return ItemByName(kFirstElementID + kElementsPerClass * (elementClass - 1), kElementsPerClass,
                              name);
        default: return std::nullopt;
    }
}

std::string StoryPointValueName(int index, std::int16_t value) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row || value <= 0) return "?";
    if (row->kind == kDynamicPoint || row->kind == kDynamicAppreciationPoint) {
        const StoryPointRecord* valueRow = StoryPointByID(value);
        return valueRow && valueRow->kind == kValueRow ? StoryPointDisplayName(*valueRow) : "?";
    }
    const char* name = ElementName(value);
    return name && *name ? name : "?";
}

bool ResolveStory(const StorySource& source, ResolvedStory& story, Diagnostics& diagnostics) {
    const std::size_t errors = diagnostics.Messages().size();
    StoryResolver(source, story, diagnostics).Resolve();
    return diagnostics.Messages().size() == errors;
}
