#pragma once
// The layout shared by the dialogs that set several fonts or colours at once: one pane per font or
// colour, 50 pixels apart from (20, 20) to (60, 320), each an etched frame around a text and a "Set"
// button beside it; "Cancel" and "OK" below the last pane. Item order: for pane i the frame (3i),
// the text (3i + 1) and the button (3i + 2); then "Cancel" (3n) and "OK" (3n + 1).

#include <cstdint>

#include "framework/graphics/ShortRect.h"

class ItemList;
class PushBtn;

namespace multipane {

inline std::int32_t FrameItem(std::int32_t pane) { return 3 * pane; }
inline std::int32_t TextItem(std::int32_t pane) { return 3 * pane + 1; }
inline std::int32_t SetItem(std::int32_t pane) { return 3 * pane + 2; }
inline std::int32_t CancelItem(std::int32_t panes) { return 3 * panes; }
inline std::int32_t OkItem(std::int32_t panes) { return 3 * panes + 1; }
// The pane whose "Set" button the item is; -1 for any other item.
std::int32_t PaneOfSetItem(std::int32_t item, std::int32_t panes);

// The smallest size of the dialog: 440 by 50 per pane and a row of buttons, and 20 more.
ShortPoint MinimumSize(std::int32_t panes);
ShortRect PaneRect(std::int32_t pane);
// The pane's text: inset by 15 and 10.
ShortRect TextRect(std::int32_t pane);

// Append the pane's etched frame, and its "Set" button (the caller appends the pane's text between
// the two).
void AddFrame(ItemList& list, std::int32_t pane);
PushBtn* AddSetButton(ItemList& list, std::int32_t pane);
// Appends "Cancel" and "OK" below the panes.
void AddCancelAndOk(ItemList& list, std::int32_t panes, PushBtn** cancel, PushBtn** ok);

}  // namespace multipane
