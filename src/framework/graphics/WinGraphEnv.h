#pragma once
// The drawing environment of a window: it draws on the window's own device context (window classes
// are registered with their own context, so painting hands out that same context) and brackets
// each paint pass.

#include <cstdint>

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/Rgn.h"
#include "platform/ui/Paint.h"

// What a window environment asks of the window it draws on.
class IWinGraphEnvClient {
public:
    virtual ~IWinGraphEnvClient() = default;
    virtual win::HWND GetHWnd() const = 0;
    virtual void GetBackColor(RGBColor& color) const = 0;
    // The part of the client area that the window's child windows will paint over completely once
    // the window has painted; its erasing leaves it out.
    virtual void GetRepaintedByChildren(Rgn& area) const { area.SetEmpty(); }
};

class WinGraphEnv : public TGraphEnv {
public:
    WinGraphEnv() = default;
    ~WinGraphEnv() override;

    // Takes the window's context and resets the drawing attributes.
    void AttachWindow(IWinGraphEnvClient* client);
    void ReleaseWindow();
    IWinGraphEnvClient* GetClient() const { return client_; }

    // A paint pass: the update region is kept, the attributes reset, the background set to the
    // window's, and the paint rectangle erased when the window asks for it, but for what its child
    // windows will paint over.
    void StartPaint();
    void FinishPaint();
    bool IsInPaint() const { return inPaint_ != 0; }
    // The window's update region; inside a paint pass, the one the pass started with.
    void GetUpdateRegion(Rgn& region) const;

private:
    void EraseForPaint(const ShortRect& rect);

    IWinGraphEnvClient* client_ = nullptr;
    std::int16_t inPaint_ = 0;
    std::int16_t eraseBackground_ = 1;
    Rgn updateRegion_;
    win::PAINTSTRUCT paint_;
};
