#pragma once
// The theory's structure as the story element browser shows it: the four classes, each with its four
// types, each type with its four variations and each variation with its four elements, every item
// under the item its code continues; and which story points of a story have an item as their value.

#include <string>
#include <vector>

class FKDoc;

// The ids of the items below the item (0: the classes), in their code's order.
std::vector<int> StructureChildren(int id);
// The item the id's code continues (0 for a class, -1 for an id that is no item).
int StructureParent(int id);

// Which story points count as an item's choices.
struct ChoiceOptions {
    bool allPoints = false;  // every story point, not only the domains, concerns, issues and problems
    bool signposts = false;  // the signposts too
};

// A story point whose value is the item.
struct ElementChoice {
    int index = -1;        // the story point's row
    int throughline = -1;  // 0-3; -1 for a point outside the throughlines
    std::string name;      // the throughline's name and the point's, as the writer reads them
};

// The story points of the story that have the item as their value, in table order.
std::vector<ElementChoice> ChoicesOf(FKDoc& story, int id, const ChoiceOptions& options);
