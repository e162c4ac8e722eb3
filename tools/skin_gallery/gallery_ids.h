#pragma once
// Control ids of the gallery dialog.

namespace gallery {

inline constexpr unsigned kGalleryTemplate = 4000;
inline constexpr int kOpen = 4001;
inline constexpr int kGroupNumbers = 4002;
inline constexpr int kIconOnly = 4003;
inline constexpr int kDisabled = 4004;
inline constexpr int kMenuButton = 4005;
inline constexpr int kKeep = 4006;
inline constexpr int kMode = 4007;
inline constexpr int kSingle = 4008;
inline constexpr int kGrouped = 4009;
inline constexpr int kComboBox = 4010;
inline constexpr int kDigitsOnly = 4011;
inline constexpr int kTabs = 4012;
inline constexpr int kNumbers = 4013;
inline constexpr int kFrame = 4014;
inline constexpr int kFirstDigit = 4020;

// Commands of the popup menu.
inline constexpr unsigned kMenuSave = 4101;
inline constexpr unsigned kMenuDelete = 4102;
inline constexpr unsigned kMenuSort = 4103;
inline constexpr unsigned kMenuAll = 4104;

} // namespace gallery
