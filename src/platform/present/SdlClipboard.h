#pragma once
// The desktop's clipboard through SDL, for the window layer's clipboard to exchange text with.

#include "platform/ui/Clipboard.h"

namespace win {

class SdlClipboard final : public DesktopClipboard {
public:
    std::optional<std::string> Text() override;
    void SetText(const std::string& utf8) override;
};

}  // namespace win
