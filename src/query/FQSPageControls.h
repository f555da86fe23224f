#pragma once
// The controls of the question pages: push buttons, check boxes and popups that carry the binding
// of their value or action to the story (owned, may be null), and the page's radio buttons.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "items/CheckBox.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "query/data/FQSInterpretation.h"
#include "widgets/Popup.h"

class FQSPushBtn : public PushBtn {
    TOBJECT_CLASS(FQSPushBtn, PushBtn, 174)

public:
    FQSPushBtn(ItemList* list, const char* title, const ShortRect& bounds, std::unique_ptr<FQSInterpretation> action);
    FQSInterpretation* GetBinding() const { return action_.get(); }

private:
    std::unique_ptr<FQSInterpretation> action_;
};

class FQSCheckBox : public CheckBox {
    TOBJECT_CLASS(FQSCheckBox, CheckBox, 175)

public:
    FQSCheckBox(ItemList* list, const char* title, const ShortRect& bounds, std::unique_ptr<FQSInterpretation> binding);
    FQSInterpretation* GetBinding() const { return binding_.get(); }

private:
    std::unique_ptr<FQSInterpretation> binding_;
};

// A radio button of a page; it answers to its class as the framework's radio button does.
class FQSRadioBtn : public RadioBtn {
public:
    FQSRadioBtn(ItemList* list, const char* title, const ShortRect& bounds);
    ~FQSRadioBtn() override;
};

class FQSPopup : public Popup {
    TOBJECT_CLASS(FQSPopup, Popup, 173)

public:
    // The items are the lines of the text, one per line end ("\n" or "\r"); empty lines add none.
    FQSPopup(ItemList* list, std::unique_ptr<FQSInterpretation> binding, const char* items, const ShortRect& bounds);
    FQSInterpretation* GetBinding() const { return binding_.get(); }

private:
    std::unique_ptr<FQSInterpretation> binding_;
};

// The popup's items of the text: each line between line ends that is not empty, cut to 2,047
// characters; a line end is one character, so "\r\n" leaves an empty line between.
std::vector<std::string> SplitPopupItems(const char* text);
