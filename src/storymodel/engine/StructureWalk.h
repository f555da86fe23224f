#pragma once
// Walks over the nodes of the structure by class, depth and level, in element id order.

#include <functional>

// Callback results: go on, or stop the walk and answer the current id. Any other result stops the
// walk and is answered.
inline constexpr int kWalkContinue = -32001;
inline constexpr int kWalkStop = -32002;
// Answered by a walk that went through every id.
inline constexpr int kWalkEnded = -453;

// Called with the code of each node of the walk.
using NodeCallback = std::function<int(const char* code)>;

// Walks element ids 1-452: skips ids of another class when classDigit is not 0, and calls the
// callback for each id whose code has the given level digit and depth index (CodeDepth - 1).
int IterateNodes(const NodeCallback& callback, int classDigit, int depthIndex, int level);

// IterateNodes for each depth index 0-3, with the given level, or with level -1 with every level
// from 0 to the depth index. Stops at the first walk that does not end and answers its result;
// kWalkEnded when all end.
int IterateAllNodes(const NodeCallback& callback, int classDigit, int level);
