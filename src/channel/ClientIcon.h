#pragma once

// The 1-based indices of the image list `ClientIcons`; 0 stands for no image.
// The gaps (7, 11, 21, 27, 30) are indices without an image.
namespace ClientIcon {
inline constexpr int None = 0;
inline constexpr int ChatClient = 1;
inline constexpr int Operator = 2;
inline constexpr int Diablo = 3;
inline constexpr int Diablo2 = 4;
inline constexpr int Starcraft = 5;
inline constexpr int StarcraftShareware = 6;
inline constexpr int BroodWar = 8;
inline constexpr int Warcraft2 = 9;
inline constexpr int JapaneseStarcraft = 10;
inline constexpr int LordOfDestruction = 12;
inline constexpr int Squelched = 13;
inline constexpr int LatencyBest = 14; // 14 to 19, from fast to slow
inline constexpr int LatencyWorst = 19;
inline constexpr int NoUdp = 20;
inline constexpr int ReignOfChaos = 22;
inline constexpr int FrozenThrone = 23;
inline constexpr int Representative = 24;
inline constexpr int Administrator = 25;
inline constexpr int Guest = 26;
inline constexpr int NoLatency = 28;
inline constexpr int DiabloShareware = 29;
inline constexpr int IconCodeRbcw = 31;
inline constexpr int IconCodeOgcw = 32;
inline constexpr int IconCodeGpcw = 33;
inline constexpr int IconCodeLpcw = 34;
inline constexpr int IconCodeFrcw = 35;
inline constexpr int IconCodeIscw = 36;
inline constexpr int Count = 36;
} // namespace ClientIcon
