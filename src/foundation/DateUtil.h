#pragma once
// Calendar helpers.

#include <ctime>

bool IsLeapYear(int year);

// Month 0 to 11; answers 0 for a month outside that range.
int DaysInMonth(int month, int year);

// Reads a decimal year and sets *end past it. A value below 100 is a two-digit year: from 1999 on,
// values below 30 mean 2000 + value, others 1900 + value. Answers the year minus 1900.
int ParseYear(const char* text, const char** end);

// Reads month, day and year ("12/31/99"), each separated from the next by exactly one character,
// and stores the local time of midnight that day. Answers the number of characters read; 0 for
// null, empty or incomplete text, leaving *result untouched.
int ParseDate(const char* text, std::time_t* result);
