#pragma once
// Process-wide start and end of the foundation layer. Callbacks are registered while the program
// loads; the outermost StartUp runs the init callbacks, the matching outermost ShutDown the term
// callbacks.

using StartupCallback = void (*)();

inline constexpr int kMaxStartupCallbacks = 3;

// Store the callback in the first free entry; true when stored or already present, false when full.
bool RegisterInitCallback(StartupCallback callback);
bool RegisterTermCallback(StartupCallback callback);

// Nestable: only the first StartUp detects the platform and runs the init callbacks; ShutDown runs
// the term callbacks when called at the outermost level.
void StartUp();
void ShutDown();
