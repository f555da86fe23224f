#pragma once
// The window of a document: a window listed in the frame's Window menu, made for its document (which
// the window joins). It adds nothing to its base but its kind.

#include "framework/TWindow.h"

class TDocumentWindow : public TWMWindow {
    TOBJECT_CLASS(TDocumentWindow, TWMWindow, 137)

public:
    using TWMWindow::TWMWindow;
};
