// Section shape codes (`danmentype`). They cross screens and size-table files as numbers, so
// they stay numbers; these names say which is which. Codes 7, 8 and 16 are unused.
#pragma once

namespace shape {

inline constexpr int kRoundPipe = 1;             // 丸パイプ
inline constexpr int kSquareTube = 2;            // 角パイプ
inline constexpr int kRectTubeUpright = 3;       // 角パイプ縦
inline constexpr int kRectTubeLying = 4;         // 角パイプ横
inline constexpr int kFlatBarUpright = 5;        // FB縦
inline constexpr int kFlatBarLying = 6;          // FB横
inline constexpr int kHUpright = 9;              // H形通常
inline constexpr int kHTurned = 10;              // H形逆
inline constexpr int kChannelUpright = 11;       // 溝縦
inline constexpr int kChannelLying = 12;         // 溝横
inline constexpr int kEqualAngle = 13;           // 等辺山形
inline constexpr int kUnequalAngleUpright = 14;  // 不等辺山形 縦長
inline constexpr int kUnequalAngleLying = 15;    // 不等辺山形 横長
inline constexpr int kRoundBar = 17;             // 丸ムク
inline constexpr int kSquareBar = 18;            // 角ムク
inline constexpr int kSolidRectUpright = 19;     // 角ムク縦
inline constexpr int kSolidRectLying = 20;       // 角ムク横
inline constexpr int kLightChannelUpright = 21;  // 軽溝縦長
inline constexpr int kLightChannelLying = 22;    // 軽溝横
inline constexpr int kTeeUpright = 23;           // T縦
inline constexpr int kTeeLying = 24;             // T横
inline constexpr int kUnequalI = 25;             // H縦a: I section with flanges of unequal width
inline constexpr int kLippedChannelUpright = 26; // リップ縦
inline constexpr int kLippedChannelLying = 27;   // リップ横
inline constexpr int kOther = 88;       // "その他形状": other sections of the size table
inline constexpr int kDirectEntry = 99; // direct entry of section properties

} // namespace shape
