#pragma once
// Compare functions for sorting and searching lists: each takes two element addresses and answers
// -1, 0 or 1.

using CompareFunc = int (*)(const void* a, const void* b);

int CompareLongAscending(const void* a, const void* b);
int CompareLongDescending(const void* a, const void* b);
int CompareShortAscending(const void* a, const void* b);
int CompareShortDescending(const void* a, const void* b);
int CompareUShortAscending(const void* a, const void* b);
int CompareCharAscending(const void* a, const void* b);
int CompareCharDescending(const void* a, const void* b);
