#pragma once
// The fixed size of the deck and equalizer windows and of their title bars.

namespace SkinGen {

constexpr int WindowWidth = 300;
constexpr int WindowHeight = 130;
constexpr int TitleHeight = 15;

}  // namespace SkinGen
