#pragma once
// Terms that follow the vocabulary switch: the terminology keys of the text macros ("Obst" is
// "Impact" or "Obstacle") and the names of the two values of each dynamic.

// The term for a terminology key, compared exactly with the keys in table order (the first equal
// key wins). A key that stands for an element or story point gives that row's display name; any
// other gives its term in the vocabulary in force. Null when no key is equal.
const char* TerminologyTerm(const char* key);

// The name of value 1 or 2 of dynamic 0-7 (Resolve, Growth, Approach, Problem-Solving Style,
// Driver, Limit, Outcome, Judgment): the newer name when the newer vocabulary is in force and the
// value has one, else the original name. The empty text for a dynamic or value out of range.
const char* DynamicValueName(int dynamic, int value);
