#pragma once
// A scoped font selection: begins a use of the drawing environment, remembers its font record and
// sets the given one; the end sets the remembered font again and ends the use.

#include "framework/graphics/GraphUser.h"
#include "platform/gdi/GdiTypes.h"

class GraphFontUser : public GraphUser {
public:
    GraphFontUser(TGraphEnv& env, const win::LOGFONTA& font) : GraphUser(env) {
        env.GetLogFont(saved_);
        env.SetFontIndirect(font);
    }
    ~GraphFontUser() override { Env().SetFontIndirect(saved_); }

private:
    win::LOGFONTA saved_;
};
