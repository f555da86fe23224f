#pragma once
// Random numbers for the story tools (character generator, spinner).

// A draw in 0 .. n - 1; 0 when n < 1.
int RandomBelow(int n);

// Restarts the sequence; the program seeds it once from the clock at start-up.
void SeedRandom(unsigned seed);
