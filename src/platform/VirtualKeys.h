#pragma once
// Windows virtual-key codes the plugin names, as GetAsyncKeyState takes them.
// Plain numbers: every layer may use them without reaching the system.

namespace vtx {

inline constexpr int kVirtualKeyShift = 16;
inline constexpr int kVirtualKeyControl = 17;
inline constexpr int kVirtualKeyAlt = 18;
inline constexpr int kVirtualKeyEscape = 27;
inline constexpr int kVirtualKeyF9 = 120;
inline constexpr int kVirtualKeyLeftShift = 160;
inline constexpr int kVirtualKeyRightShift = 161;
inline constexpr int kVirtualKeyLeftControl = 162;
inline constexpr int kVirtualKeyRightControl = 163;
inline constexpr int kVirtualKeyLeftAlt = 164;
inline constexpr int kVirtualKeyRightAlt = 165;

} // namespace vtx
