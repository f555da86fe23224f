#include "query/QueryDocument.h"

#include "app/FKDoc.h"

QueryStory QueryStoryOf(FKDoc& document) {
    return {&document, document.GetCharacterManager(), document.GetSceneManager(), document.GetResponseRecord(),
            &document.GetQuestionStatus()};
}
