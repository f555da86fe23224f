#pragma once
// Asking for one line of text: a prompt, a field holding the caller's text, OK and Cancel.

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/TDialog.h"
#include "platform/gdi/GdiTypes.h"

class GetTextDlog : public TDialog {
public:
    // The field starts with the buffer's text; on OK it goes back into the buffer, cut to
    // capacity - 1 characters and ended with a NUL.
    GetTextDlog(char* buffer, std::size_t capacity, const char* title, const char* prompt);

    ErrCode SetUpItems() override;
    void EndModal(std::int32_t itemIndex) override;

private:
    char* buffer_;
    std::size_t capacity_;
    std::string title_;
    std::string prompt_;
    win::LOGFONTA font_;
};

// 0 when the user chose OK (the buffer holds the text), 1 when cancelled (the buffer as it was).
int AskForText(char* buffer, std::size_t capacity, const char* title, const char* prompt);
