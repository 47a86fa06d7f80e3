#pragma once
// The named colours every drawing uses, fixed for the whole run.
#include <cstdint>

namespace zorvan {

struct Rgb {
  uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace palette {
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 255, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Purple{128, 0, 128};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Cyan{0, 255, 255};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Magenta{255, 0, 255};
}  // namespace palette

}  // namespace zorvan
