// Virtual-key codes of the keys the program reacts to.
#pragma once

namespace pelvoro::keys {

inline constexpr int Enter = 13;
inline constexpr int Esc = 27;
inline constexpr int Ctrl = 17;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Digit1 = 49;
inline constexpr int Digit2 = 50;
inline constexpr int Digit3 = 51;
inline constexpr int A = 65;
inline constexpr int D = 68;
inline constexpr int F = 70;
inline constexpr int S = 83;
inline constexpr int W = 87;
inline constexpr int Numpad1 = 97;
inline constexpr int Numpad2 = 98;
inline constexpr int Numpad3 = 99;
inline constexpr int Numpad5 = 101;

}  // namespace pelvoro::keys
