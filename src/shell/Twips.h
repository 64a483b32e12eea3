#pragma once

// Twips (15 to a pixel at 96 dpi) to pixels and back.
inline int versPixels(int twips) { return twips / 15; }
inline int versTwips(int pixels) { return pixels * 15; }
