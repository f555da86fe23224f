#pragma once
// Gives a window's text fields the program's shared text converter, so that stored texts keep their
// escapes while the user sees and types the plain characters.

class TWindow;

// Makes the shared converter the text filter of every edit view among the window's items (a dialog
// calls it once its items are set up). A window without items is left as it is.
void AttachStringConverter(TWindow& dialog);
