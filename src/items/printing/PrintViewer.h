#pragma once
// The print preview's page view: the whole sheet of paper at the dialog's zoom, the page (made at
// that zoom) copied into the part inside the margins, the margins and the printer's unprintable
// border outlined.

#include "items/TView.h"

class PreviewPage;
class PrintViewDlog;

class PrintViewer : public TView {
    TOBJECT_CLASS(PrintViewer, TView, 128)

public:
    // Neither the page nor the dialog is owned.
    PrintViewer(ItemList* list, PreviewPage* page, PrintViewDlog* dialog, const ShortRect& bounds);

    void DrawContent(ViewDrawContext* context) override;

    // Where the page, laid out inside the margins, lies in the view (the content less the larger of
    // margin and border on each side, at the zoom), and where the printer's printable area lies.
    ShortRect MarginRect() const;
    ShortRect PrintableRect() const;

private:
    PreviewPage* page_;
    PrintViewDlog* dialog_;
};
