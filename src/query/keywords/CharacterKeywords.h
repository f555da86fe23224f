#pragma once
// The character keywords: edit fields bound to one text of the page's character (or of its
// relationship with the other character), popups of the character's archetype, sex, form and
// subjective role and of which character is Main or the impact character, the item lists of those
// popups, and buttons that create and delete characters and relationships, clear storytelling
// texts and go to a character's page.
//
// "The character" is the one whose id is the context's character, "the other" the context's other
// character. A keyword whose character is gone (deleted in another window since the page was made)
// reads nothing and writes nothing.

#include <string>

#include "query/data/KeywordBases.h"
#include "query/data/QuestionContext.h"

class CharInfoRec;

// Registers the 32 character keywords (once; later calls do nothing).
void RegisterCharacterKeywords();

// --- Bases

// An edit field bound to one text of the character's record.
class CharacterTextField : public FQSExecutable {
public:
    CharacterTextField(const char* name, const char* key) : FQSExecutable(name), key_(key) {}

    void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override;
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;
    // The most of the text the character's other readers take whole (the role's is the least).
    std::uint32_t TextLimit() const override;

protected:
    // The record key of the text in the context; empty for no text.
    virtual std::string Key(const FQSInterpretation& binding) const;

private:
    const char* key_;
};

// The popups of which character is Main or the impact character: the popup index is the position
// in the character list.
class SetSubjChar : public FQSExecutable {
public:
    using FQSExecutable::FQSExecutable;

    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    // Gives the chosen character the role when the role confirmation agrees, else shows the holder
    // again; never asks for SetChoice.
    bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                      const FQSInterpretation& binding) override;
    // Whether the popup chooses the Main character (else the impact character).
    virtual bool ChoosesMain() const = 0;

private:
    std::int16_t Role() const;
};

// A button that empties one storytelling text of the character after a confirmation.
class TDeleteCharSTell : public FQSExecutable {
public:
    using FQSExecutable::FQSExecutable;

    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
    // Stores the empty text under the keyword's key.
    virtual void ClearStorytellingText(CharInfoRec& character, const QuestionContext& context) = 0;
};

// --- Text fields

class KChRefActv final : public CharacterTextField {
public:
    KChRefActv() : CharacterTextField("ChRefActv", "Actv") {}
};

class KChRefBel final : public CharacterTextField {
public:
    KChRefBel() : CharacterTextField("ChRefBel", "Bel") {}
};

class KChRefBG final : public CharacterTextField {
public:
    KChRefBG() : CharacterTextField("ChRefBG", "BG") {}
};

class KChRefCFunc final : public CharacterTextField {
public:
    KChRefCFunc() : CharacterTextField("ChRefCFunc", "CFunc") {}
};

class KChRefDesc final : public CharacterTextField {
public:
    KChRefDesc() : CharacterTextField("ChRefDesc", "Des") {}
};

class KChRefInt final : public CharacterTextField {
public:
    KChRefInt() : CharacterTextField("ChRefInt", "Int") {}
};

class KChRefPhys final : public CharacterTextField {
public:
    KChRefPhys() : CharacterTextField("ChRefPhys", "Phys") {}
};

class KChRefRole final : public CharacterTextField {
public:
    KChRefRole() : CharacterTextField("ChRefRole", "Role") {}
};

class KChRefRoleX final : public CharacterTextField {
public:
    KChRefRoleX() : CharacterTextField("ChRefRoleX", "RoleX") {}
};

class KChRefSkil final : public CharacterTextField {
public:
    KChRefSkil() : CharacterTextField("ChRefSkil", "Skil") {}
};

class KChRefIntro final : public CharacterTextField {
public:
    KChRefIntro() : CharacterTextField("ChRefIntro", "SWIntro") {}
};

class KChRefDismiss final : public CharacterTextField {
public:
    KChRefDismiss() : CharacterTextField("ChRefDismiss", "SWDismiss") {}
};

// The storytelling interaction of the context's storytelling index: "SWInter" and the index's digit;
// no text for an index outside 0-9.
class KChRefInter final : public CharacterTextField {
public:
    KChRefInter() : CharacterTextField("ChRefInter", "SWInter") {}

protected:
    std::string Key(const FQSInterpretation& binding) const override;
};

// The character's name; storing renames it (nothing for an empty or unchanged name), and the
// characters are sorted again.
class KChRefNm final : public FQSExecutable {
public:
    KChRefNm() : FQSExecutable("ChRefNm") {}
    void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override;
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;
    // The most of a name the character keeps.
    std::uint32_t TextLimit() const override;
};

// The relationship text of the character and the other; stored only while the pair has one.
class KChRefRelat final : public FQSExecutable {
public:
    KChRefRelat() : FQSExecutable("ChRefRelat") {}
    void GetText(IStoryDocument* document, const FQSInterpretation& binding, char* buffer,
                 std::int32_t size) override;
    void SetText(IStoryDocument* document, const FQSInterpretation& binding, const char* text) override;
};

// --- Popups

// The archetype id; the popup index is the id.
class KChRefArch final : public FQSExecutablePopup {
public:
    KChRefArch() : FQSExecutablePopup("ChRefArch") {}
    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) override;
};

// The sex value; the popup index is the value.
class KChRefSex final : public FQSExecutablePopup {
public:
    KChRefSex() : FQSExecutablePopup("ChRefSex") {}
    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) override;
};

// The form value; the popup index is the value - 1.
class KChRefForm final : public FQSExecutable {
public:
    KChRefForm() : FQSExecutable("ChRefForm") {}
    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) override;
    bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                      const FQSInterpretation& binding) override;
    void ChoiceToIndex(std::int16_t& value) override;
};

// The subjective role: index 0 none, 2 Main (1 also), 3 the impact character; a change goes
// through the role confirmation.
class KChRefSubj final : public FQSExecutable {
public:
    KChRefSubj() : FQSExecutable("ChRefSubj") {}
    std::int16_t GetChoice(IStoryDocument* document, const FQSInterpretation& binding) override;
    void SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) override;
    bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                      const FQSInterpretation& binding) override;
    void ChoiceToIndex(std::int16_t& value) override;
};

class KChSetMain final : public SetSubjChar {
public:
    KChSetMain() : SetSubjChar("ChSetMain") {}
    bool ChoosesMain() const override { return true; }
};

class KChSetObst final : public SetSubjChar {
public:
    KChSetObst() : SetSubjChar("ChSetObst") {}
    bool ChoosesMain() const override { return false; }
};

// Adds a relationship with the candidate chosen from the ChRefPossR list (index 2 on), then goes
// to the page of the parameter's topic for the pair.
class KChRefAddR final : public FQSExecute1Param {
public:
    KChRefAddR() : FQSExecute1Param("ChRefAddR") {}
    bool AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                      const FQSInterpretation& binding) override;
};

// --- Item lists

// Every character's name in list order, one a line.
class KChCharListM final : public TFQSInterpretable {
public:
    KChCharListM() : TFQSInterpretable("ChCharListM") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// "No one", a separator line "-", then the names of the characters the character has no
// relationship with yet.
class KChRefPossR final : public TFQSInterpretable {
public:
    KChRefPossR() : TFQSInterpretable("ChRefPossR") {}
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining,
                                 IStoryDocument* document, FQSInterpretation& interpretation,
                                 std::int32_t& parameter) override;
};

// --- Buttons

// A new character with the default name, then the page of the parameter's topic for it.
class KCreateChar final : public FQSExecute1Param {
public:
    KCreateChar() : FQSExecute1Param("CreateChar") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Deletes the character when the delete confirmation agrees.
class KDeleteChar final : public FQSExecutable {
public:
    KDeleteChar() : FQSExecutable("DeleteChar") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

// Deletes the relationship of the character and the other after a confirmation.
class KDelChRelat final : public FQSExecutable {
public:
    KDelChRelat() : FQSExecutable("DelChRelat") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

class KDeleteIntro final : public TDeleteCharSTell {
public:
    KDeleteIntro() : TDeleteCharSTell("DeleteIntro") {}
    void ClearStorytellingText(CharInfoRec& character, const QuestionContext& context) override;
};

class KDeleteInter final : public TDeleteCharSTell {
public:
    KDeleteInter() : TDeleteCharSTell("DeleteInter") {}
    void ClearStorytellingText(CharInfoRec& character, const QuestionContext& context) override;
};

class KDeleteDis final : public TDeleteCharSTell {
public:
    KDeleteDis() : TDeleteCharSTell("DeleteDis") {}
    void ClearStorytellingText(CharInfoRec& character, const QuestionContext& context) override;
};

// Goes to the page of the parameter's topic for the character (GotoRelatOth: for the other).
class KGotoChar final : public FQSExecute1Param {
public:
    KGotoChar() : FQSExecute1Param("GotoChar") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};

class KGotoRelatOth final : public FQSExecute1Param {
public:
    KGotoRelatOth() : FQSExecute1Param("GotoRelatOth") {}
    void Execute(IStoryDocument* document, const FQSInterpretation& binding) override;
};
