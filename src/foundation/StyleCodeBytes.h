#pragma once
// The two bytes that enclose a style code of styled text: a code is 0xC7, a short body ("B+",
// "M(10,30,0)") and 0xC8. The story model writes codes; the view layer reads and lays them out.

inline constexpr char kStyleCodeStart = '\xC7';
inline constexpr char kStyleCodeEnd = '\xC8';
