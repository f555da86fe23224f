#pragma once
// A drawing environment over a device context that the caller attaches and detaches (the
// environment never releases or deletes it).

#include "framework/graphics/GraphEnv.h"

class SimpleGraphEnv : public TGraphEnv {
public:
    using TGraphEnv::DetachDC;
    using TGraphEnv::SetDC;
};
