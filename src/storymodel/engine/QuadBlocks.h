#pragma once
// Rearranging a throughline structure: copying node fields from another arrangement, and moving
// whole blocks of nodes (a node with the quads below it) between the places of a quad.
//
// A block move takes its level g and depth from the first code, and moves the blocks of level g at
// that depth that the codes' leading digits name. Mode 1 then moves the blocks of the same places
// one depth deeper and one level higher, and so on down to the elements, so that the subtrees
// below move with their nodes; mode 2 moves the blocks one depth and one level lower, towards the
// root, while the level is above 0; any other mode moves the one block only.

#include <array>
#include <cstdint>

#include "storymodel/engine/ThroughlineStructure.h"

// Fields of CopyNodeFields.
enum NodeFieldMask : std::uint16_t {
    kCopyElementID = 1,
    kCopyClassDigit = 2,
    kCopyPosition = 4,
    kCopyPositionA = 8,
    kCopyPositionB = 16,
    kCopyHeader = 32,
};

// For every node of the source, copies the fields the mask selects into the node of the
// destination that holds the same element; kCopyHeader copies the header node whole.
void CopyNodeFields(ThroughlineStructure& dest, const ThroughlineStructure& source, std::uint16_t mask);

// Exchanges the blocks the two codes name. False, with nothing moved, when a code addresses no
// node or the two differ in depth or level.
bool SwapQuadBlocks(ThroughlineStructure& structure, const char* codeA, const char* codeB, int mode);

// Forms four codes A, B, C, D from the code by setting its quad position digit to positions[0..3],
// and moves their blocks A -> B -> C -> D -> A (A's content ends in B, D's in A). False, with
// nothing moved, when the code addresses no node or no place in a quad, or the positions are not
// four different digits 1-4.
bool RotateQuadBlocks(ThroughlineStructure& structure, const char* code, const std::array<int, 4>& positions,
                      int mode);
