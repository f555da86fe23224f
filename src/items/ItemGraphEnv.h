#pragma once
// The drawing environment of one item: it draws on the device context of the window that holds the
// item's list, in that window's coordinates, so an item draws at its bounds whatever its child
// window. A paint pass of the item's window takes that window's update region, moved into the
// parent's coordinates, as the region to draw.

#include <cstdint>

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/Rgn.h"
#include "platform/ui/Paint.h"

class IItemGraphEnvClient;

class ItemGraphEnv : public TGraphEnv {
public:
    ItemGraphEnv() = default;
    ~ItemGraphEnv() override;

    // Stores the client and takes its device context.
    void Attach(IItemGraphEnvClient* client);
    // Drops the device context (after unwinding every saved state) and the client.
    void Detach();
    IItemGraphEnvClient* GetClient() const { return client_; }

    // A paint pass of the client's window: its update region is kept, the drawing state saved and
    // the foreground colour set to the client's.
    void BeginPaint();
    void EndPaint();
    bool IsInPaint() const { return inPaint_ != 0; }
    // Inside a paint pass, a copy of the pass's region; otherwise the window's update region now;
    // both in the parent's client coordinates.
    void GetClipRegion(Rgn* region) const;

private:
    // The client window's update region, moved into its parent's client coordinates.
    void FetchUpdateRegion(Rgn& region) const;

    IItemGraphEnvClient* client_ = nullptr;
    std::int16_t inPaint_ = 0;
    Rgn paintRegion_;
    win::PAINTSTRUCT paint_;
};
