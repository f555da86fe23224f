#pragma once
// The cursor functions the rest of the program calls. They work through the application
// environment's cursor manager and do nothing while there is none.

#include <cstdint>

inline constexpr std::int32_t kDefaultBusyCursor = 170;

bool HasCursorManager();
// Makes the manager and defines the program's cursors: the system arrow, wait, I-beam and cross
// (0, 4, 1, 2), the still cursors 129, 130, 131 and 191 of the application data file, and the
// animated 132, 150, 160 and 170, the default of busy phases.
void SetUpCursors();
void DeleteCursorManager();

// 1 when the id is already known; else the manager's Define.
std::int16_t DefineCursor(std::int32_t id, std::int16_t kind, std::int16_t hold, std::uint32_t rate);
// Shows the cursor (defining it as a still cursor first when it is new); answers the id shown
// before.
std::int32_t SetCursorById(std::int32_t id);
// A busy phase with the cursor (-1: the default cursor), and its end.
void PushCursor(std::int32_t id);
void PopCursor();
void SetDefaultCursorId(std::int32_t id);
bool IsBusyCursorShowing();

// 1 when Escape is held down: waits until it is let go and drops every key message waiting;
// else 0.
std::int16_t CheckEscapeKey();
