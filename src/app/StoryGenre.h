#pragma once
// The story's genre is answered in two places, each keeping its own answer in the story's main
// record: Story Info keeps the genre the writer types, a text under "Genre"; the query system's Story
// Genre question keeps the choice made there, a number under "GenreKind". Stories saved before the
// choice had a key of its own hold it under "Genre" as a number.

class PText;
class QuestionStatus;

inline constexpr const char* kGenreTextKey = "Genre";
inline constexpr const char* kGenreChoiceKey = "GenreKind";

// Moves a choice held under the text's key to its own key; a choice kept there already stays.
// Answers whether the record changed.
bool MoveOldGenreChoice(PText& info);

// A story saved while a genre typed in Story Info took the place of the choice, or while Story Info's
// OK removed it, may still mark the question answered with no choice kept: the mark is taken away,
// as the page shows nothing chosen. The story is not marked changed for it.
void ClearGenreMarkWithoutChoice(const PText& info, QuestionStatus& status);
