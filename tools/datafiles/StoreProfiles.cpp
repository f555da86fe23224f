#include "datafiles/StoreProfiles.h"

#include <algorithm>
#include <cctype>

#include "datafiles/TheoryItems.h"
#include "reports/ReportTemplateKeys.h"

namespace {

// Every template a report reads.
std::vector<std::uint16_t> ReportTemplateNumbers() {
    std::vector<std::uint16_t> numbers;
    for (const TemplateKeySet& set : kTemplateKeySets)
        numbers.push_back(static_cast<std::uint16_t>(set.record));
    return numbers;
}

const std::vector<StoreProfile>& Profiles() {
    static const std::vector<StoreProfile> profiles = {
        {"Fablecor.qrv",
         {
             {FourCCOf("INFO"), {0}, "the version record read at start-up"},
             {FourCCOf("PPNN"), {1}, "the pronoun record of the text macros"},
             {FourCCOf("CURS"), {129, 130, 131, 165, 191, 201, 202}, "a still cursor the program shows"},
             {FourCCOf("CURS"), {132, 150, 160, 170, 212}, "an animated cursor, which must exist"},
             {FourCCOf("ITM#"), {130, 133, 134, 1070}, "the items of a dialog"},
             {FourCCOf("BITM"), {16014, 16015}, "a picture of the splash screen and about box"},
             {FourCCOf("BITM"), {19999}, "the picture of a character whose own picture is missing"},
             {FourCCOf("SNNS"), DictionaryIDs(), "the name of a theory item, read by {SNN(id)}"},
             {FourCCOf("SNPL"), DictionaryIDs(), "the plural name of a theory item, read by {SPN(id)}"},
             {FourCCOf("SYNS"), DictionaryIDs(), "the synonyms of a theory item, read by {SYN(id)}"},
             {FourCCOf("SDEF"), DictionaryIDs(), "the definition of a theory item, read by {SDF(id)}"},
             {FourCCOf("LDEF"), DictionaryIDs(), "the long definition of a theory item, read by {SLD(id)}"},
             {FourCCOf("SVRB"), VerbIDs(), "the verb of a theory item, read by {SVB(subject,id,form)}"},
             {FourCCOf("LVRB"), {1}, "the forms of \"be\" that shared verbs begin with"},
             {FourCCOf("APPR"), StoryPointRecordNumbers(),
              "a story point's description, read by the topic tree, the story points report and {APD(n)}"},
             {FourCCOf("RPTX"), ReportTemplateNumbers(), "the words of a report, read by its section"},
         },
         {
             {FourCCOf("BITM"), 16014, 16014, 0, 278, 265, 0,
              "the splash screen and about box are 278 high and their texts start at 265"},
             {FourCCOf("BITM"), 16015, 16015, 0, 0, 235, 88,
              "it sits in the corner below the name line, right of the first picture"},
             {FourCCOf("BITM"), 19999, 19999, 32, 32, 0, 0, "it stands in for a character picture"},
         }},
        {"charpix.qrv",
         {{FourCCOf("CPIX"), {0, 1}, "a picture the first two characters of a new story get"}},
         {{FourCCOf("CPIX"), 0, 32767, 32, 32, 0, 0, "character pictures are 32 x 32"}}},
    };
    return profiles;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const StoreProfile* FindStoreProfile(std::string_view fileName) {
    for (const StoreProfile& profile : Profiles()) {
        if (SameName(profile.fileName, fileName)) return &profile;
    }
    return nullptr;
}
