#pragma once
// The report text as it is shown and printed: its macros expanded for the story, its escaped
// characters decoded, and (when the writer hides blank lines) no more than one blank line in a row.
// As a plain text file holds it, the report also loses its style codes.

#include <cstdint>
#include <string>
#include <string_view>

class IStoryDocument;
class SList;

// The text with its macros expanded for the document (which may be null), recording the terms
// it names in the vocabulary list when one is given. A story point's value is the one the
// storyforms still possible settle.
std::string ExpandReportMacros(IStoryDocument* document, const char* text, SList* vocabulary);

// ExpandReportMacros, then the escapes decoded and, with collapse, the blank lines collapsed.
std::string ExpandReportText(IStoryDocument* document, const char* text, SList* vocabulary, bool collapse);

// The text as a plain text file holds it (still program text): the macros expanded, every style
// code dropped, each form feed (between two reports) a rule of underscores on a line of its own,
// every line end a "\n", the escapes decoded and, with collapse, no more than one blank line in a
// row. Leading line ends and trailing white space go; a text with anything left ends in one line
// end.
std::string PlainReportText(IStoryDocument* document, const char* text, bool collapse);

// Whether a story's title, as the writer typed it, holds more than spaces: one of spaces only is none.
bool IsStoryTitle(std::string_view title);

// A style code: byte 0xC7, the command ("B+", "M(0,0,0)") and byte 0xC8.
std::string StyleCodeText(const char* command);

// In one pass: at most two line breaks in a row survive, whatever style codes lie between them. A
// line break also closes a style code left open, so a code that holds one swallows nothing after
// it.
void CollapseBlankLines(std::string& text);
