#pragma once
// Small helpers for texts that users paste and for building texts in fixed buffers.

#include <cstdint>
#include <string>

// In place: every CR, and every CR LF pair, becomes one LF.
void ConvertLineEnds(char* text);

// Copies at most remaining - 1 characters of the text and a NUL at the cursor (nothing when
// remaining is 0), then moves the cursor past the characters copied and lowers remaining by their
// number, so that the next append continues the text.
void AppendToBuffer(char*& cursor, const char* text, std::uint32_t& remaining);

// Copies the text into the buffer: at most size - 1 characters and a NUL (nothing when size is 0).
void CopyToBuffer(const char* text, char* buffer, std::uint32_t size);

// The text printf would make of the format and arguments, however long.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
