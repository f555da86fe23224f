#pragma once
// The context of a query question: which character it asks about, which other character of a
// relationship, which throughline, which storytelling interaction of the character, which act and
// which scene. Every field is "none" by default: kNoCharID for the two characters, -1 for the others.
//
// The context's 16-bit key is the second key under which the question status keeps an answer, so it
// is stored in story files: its terms never change.

#include <cstdint>

#include "storymodel/CharID.h"

class QuestionContext {
public:
    static constexpr std::int16_t kNone = -1;
    // A throughline of this or more reads as none where keys and keywords read it.
    static constexpr std::int16_t kThroughlineCount = 4;

    // The field a mode names, for the list expansion's copies.
    enum Mode : int {
        kCharacterMode = 0,
        kSecondCharacterMode = 1,
        kThroughlineMode = 2,
        kStorytellingMode = 3,
        kActMode = 4,
        kSceneMode = 5,
    };

    QuestionContext() = default;
    QuestionContext(const QuestionContext&) = default;
    QuestionContext& operator=(const QuestionContext&) = default;

    CharID GetCharacter() const { return character_; }
    CharID GetSecondCharacter() const { return secondCharacter_; }
    // The throughline as stored (4 or more kept as it is).
    std::int16_t GetThroughline() const { return throughline_; }
    // The throughline 0-3, or -1 for none and for 4 or more.
    std::int16_t ReadThroughline() const;
    std::int16_t GetStorytellingIndex() const { return storytelling_; }
    std::int16_t GetActIndex() const { return act_; }
    std::int16_t GetScene() const { return scene_; }

    void SetCharacter(CharID id) { character_ = id; }
    void SetSecondCharacter(CharID id) { secondCharacter_ = id; }
    void SetThroughline(std::int16_t throughline) { throughline_ = throughline; }
    void SetStorytellingIndex(std::int16_t index) { storytelling_ = index; }
    void SetActIndex(std::int16_t index) { act_ = index; }
    void SetScene(std::int16_t id) { scene_ = id; }

    // Mode 0 sets the character, 1 the second character; other modes do nothing.
    void SetCharacterByMode(int mode, CharID id);
    // Mode 2 sets the throughline, 3 the storytelling index, 4 the act index, 5 the scene; other
    // modes do nothing.
    void SetNumberByMode(int mode, std::int16_t value);
    // Each field that is none takes the other's value: a character field when it holds kNoCharID,
    // the others when they hold -1 (a throughline of 4 or more stays).
    void FillFrom(const QuestionContext& other);

    // The exclusive or of six sign-extended terms, cut to 16 bits: the character id; the second
    // character id shifted left by 8 (-1 for none); the storytelling index shifted left by 8 (-1 for
    // none); the act index shifted left by 2 (-1 for none); the throughline, only together with an
    // act index (-1 otherwise, and for none or 4 or more); the scene id. An empty context has key 0.
    std::int16_t GetContextKey() const;

    bool operator==(const QuestionContext&) const = default;

private:
    CharID character_ = kNoCharID;
    CharID secondCharacter_ = kNoCharID;
    std::int16_t throughline_ = kNone;
    std::int16_t storytelling_ = kNone;
    std::int16_t act_ = kNone;
    std::int16_t scene_ = kNone;
};
