// A stage at rest, packed into a few bytes: the search's states and the keys that merge them.
#pragma once
#include <string>

// True when nothing moves and no tile effect is under way: the hero may act.
bool WorldAtRest();
// Packs the world at rest: hero tile, facing and tile-effect state, every item
// (code, shown flag, link, tile) and every villager (tile, kind, state), with their counts.
std::string PackWorld();
// Brings the globals back to a packed state: positions at rest, counters at 0 (the key repeat at
// 1, as after any arrow), the floor mark under the hero.
void UnpackWorld(const std::string& packed);
