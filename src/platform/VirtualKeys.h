#pragma once

// The Windows virtual-key codes of the keys the keyboard hook watches.

namespace mirvo::platform::vk {

inline constexpr int kDigit0 = 0x30;   // the digits 0..9 follow
inline constexpr int kNumpad0 = 0x60;  // the keypad digits 0..9 follow
inline constexpr int kInsert = 0x2D;
inline constexpr int kKeyB = 0x42;
inline constexpr int kKeyV = 0x56;
inline constexpr int kMinusKeypad = 0x6D;
inline constexpr int kMinusMain = 0xBD;
inline constexpr int kPlusKeypad = 0x6B;
inline constexpr int kPlusMain = 0xBB;

}  // namespace mirvo::platform::vk
