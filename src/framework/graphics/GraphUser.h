#pragma once
// Scoped uses of a drawing environment: GraphUser brackets one use (Begin ... End);
// GraphAttribUser also saves the drawing state and restores it; BackColorUser draws on white and
// puts the background colour back.

#include "framework/graphics/GraphEnv.h"

class GraphUser {
public:
    explicit GraphUser(TGraphEnv& env) : env_(env) { env_.Begin(); }
    virtual ~GraphUser() { env_.End(); }
    GraphUser(const GraphUser&) = delete;
    GraphUser& operator=(const GraphUser&) = delete;

    TGraphEnv& Env() const { return env_; }

private:
    TGraphEnv& env_;
};

class GraphAttribUser : public GraphUser {
public:
    explicit GraphAttribUser(TGraphEnv& env) : GraphUser(env) { env.SaveState(); }
    ~GraphAttribUser() override { Env().RestoreState(); }
};

class BackColorUser {
public:
    explicit BackColorUser(TGraphEnv& env) : env_(env) {
        env_.Begin();
        saved_ = env_.GetBackColor();
        env_.SetBackStandardColor(1);
    }
    ~BackColorUser() {
        env_.SetBackColor(saved_);
        env_.End();
    }
    BackColorUser(const BackColorUser&) = delete;
    BackColorUser& operator=(const BackColorUser&) = delete;

private:
    TGraphEnv& env_;
    RGBColor saved_;
};
