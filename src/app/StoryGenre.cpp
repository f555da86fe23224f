#include "app/StoryGenre.h"

#include <cstdint>

#include "foundation/pfm/PText.h"

bool MoveOldGenreChoice(PText& info) {
    std::int16_t choice = 0;
    if (info.GetEntry(kGenreTextKey, kPTextShort, &choice) < 0) return false;
    if (!info.HasKey(kGenreChoiceKey)) info.SetNumberByName(kGenreChoiceKey, kPTextShort, choice);
    info.Remove(kGenreTextKey);
    return true;
}
