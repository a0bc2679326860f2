#include "resources/library_icons.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "resources/resource_ids.h"

namespace tessaly::res {

namespace {

// The icons are drawn in the 16 colours of the classic palette, one character a pixel; "." is
// transparent.
struct PaletteEntry {
  char mark;
  std::uint32_t rgb;
};

constexpr PaletteEntry kPalette[] = {
    {'K', 0x000000u},  // black
    {'r', 0x800000u},  // maroon
    {'g', 0x008000u},  // green
    {'o', 0x808000u},  // olive
    {'n', 0x000080u},  // navy
    {'p', 0x800080u},  // purple
    {'t', 0x008080u},  // teal
    {'s', 0xC0C0C0u},  // silver
    {'d', 0x808080u},  // gray
    {'R', 0xFF0000u},  // red
    {'G', 0x00FF00u},  // lime
    {'Y', 0xFFFF00u},  // yellow
    {'B', 0x0000FFu},  // blue
    {'M', 0xFF00FFu},  // fuchsia
    {'C', 0x00FFFFu},  // aqua
    {'W', 0xFFFFFFu},  // white
};

constexpr std::uint32_t ColourOf(char mark) {
  if (mark == '.') return 0;
  for (const PaletteEntry& entry : kPalette)
    if (entry.mark == mark) return 0xFF000000u | entry.rgb;
  throw "a character that is not in the palette";
}

// Row by row, as the icon resource holds its pixels. A row of the wrong length, like a
// character outside the palette, stops the build.
template <std::size_t kWidth, std::size_t kHeight>
constexpr std::array<std::uint32_t, kWidth * kHeight> PixelsOf(const std::array<std::string_view, kHeight>& art) {
  std::array<std::uint32_t, kWidth * kHeight> pixels{};
  for (std::size_t y = 0; y < kHeight; ++y) {
    if (art[y].size() != kWidth) throw "a row of the wrong length";
    for (std::size_t x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = ColourOf(art[y][x]);
  }
  return pixels;
}

// The tab's icon: two pointing hands under two circles.
// clang-format off
constexpr std::array<std::string_view, 32> kBrowserEmuArt{
    ".......KK..............KK.......",
    "....KKKBBKKK........KKKGGKKK....",
    "...KKBBBBBBKK......KKGGGGGGKK...",
    "..KKCCCBBBBBKK....KKWWWGGGGGKK..",
    "..KBCCCCBBBBBK....KGWWWWGGGGGK..",
    "..KBCCCBBBBBBK....KGWWWGGGGGGK..",
    ".KBBBCBBBBBBBBK..KGGGWGGGGGGGGK.",
    ".KBBBBBBBBBBBBK..KGGGGGGGGGGGGK.",
    "..KBBBBBBBBBBK....KGGGGGGGGGGK..",
    "..KBBBBBBBBBBK....KGGGGGGGGGGK..",
    "..KKBBBBBBBBKK....KKGGGGGGGGKK..",
    "...KKBBBBBBKK......KKGGGGGGKK...",
    "....KKKBBKKK........KKKGGKKK....",
    ".......KK..............KK.......",
    "................................",
    "......KK..............KK........",
    ".....KWWK............KWWK.......",
    ".....KWWK............KWWK.......",
    ".....KWWK............KWWK.......",
    ".....KWWKKK..........KWWKKK.....",
    ".....KWWKWWKKK.......KWWKWWKKK..",
    ".....KWWKWWKWWK......KWWKWWKWWK.",
    "..KK.KWWKWWKWWKK..KK.KWWKWWKWWKK",
    "..KWKKWWWWWWWWWK..KWKKWWWWWWWWWK",
    "..KWWKWWWWWWWWWK..KWWKWWWWWWWWWK",
    "...KWWWWWWWWWWWK...KWWWWWWWWWWWK",
    "...KWWWWWWWWWWWK...KWWWWWWWWWWWK",
    "....KWWWWWWWWWK.....KWWWWWWWWWK.",
    "....KWWWWWWWWWK.....KWWWWWWWWWK.",
    ".....KWWWWWWWK.......KWWWWWWWK..",
    ".....KWWWWWWWK.......KWWWWWWWK..",
    ".....KKKKKKKKK.......KKKKKKKKK..",
};
// clang-format on

// clang-format off
constexpr std::array<std::string_view, 16> kBrowserEmuSmallArt{
    "..KKKK....KKKK..",
    ".KCBBBK..KWGGGK.",
    ".KBBBBK..KGGGGK.",
    ".KBBBBK..KGGGGK.",
    ".KBBBBK..KGGGGK.",
    "..KKKK....KKKK..",
    "................",
    "................",
    "...KK......KK...",
    "..KWWK....KWWK..",
    "..KWWKKK..KWWKKK",
    ".KKWWWWK.KKWWWWK",
    ".KWWWWWK.KWWWWWK",
    ".KWWWWWK.KWWWWWK",
    "..KWWWK...KWWWK.",
    "..KKKKK...KKKKK.",
};
// clang-format on

// The content types dialog's icon: a page above a funnel, with a cog wheel.
// clang-format off
constexpr std::array<std::string_view, 32> kContentTypesArt{
    ".........KKKKKKKKKKK............",
    ".........KWWWWWWWWKWK...........",
    ".........KWWWWWWWWKsWK..........",
    ".........KWnnnnnnWKssWK.........",
    ".........KWWWWWWWWKKKKK.........",
    ".........KWnnnnnnnnnnWK.........",
    ".........KWWWWWWWWWWWWK.........",
    ".........KWnnnnnnnnnnWK.........",
    ".........KWWWWWWWWWWWWK.........",
    ".........KWnnnnnnnnnnWK.........",
    ".........KWWWWWWWWWWWWK.........",
    ".........KWnnnnnnnnnnWK.........",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...",
    "...KYYYYYYYYYYYYYYYYYYooooooK...",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...",
    "......KYYYYYYYYYYYoooooooK......",
    ".......KYYYYYYYYYYooooooK.......",
    "........KYYYYYYYYYoooooK........",
    ".........KYYYYYYYYooooKKKK......",
    "..........KYYYYYYYoKoK.KsK...K..",
    "...........KYYYYYYKsK.KKsKK.KsK.",
    "............KYYYYYoKsKssssdKdK..",
    ".............KYYYYK.KssKKKddK...",
    "..............KYoKKKKsK...KdKKK.",
    "..............KYoKKsssK...KdddK.",
    "..............KYoKKKKsK...KdKKK.",
    "..............KYoK..KsdKKKddK...",
    "..............KYoK.KdKddddddKdK.",
    "..............KYoKKdK.KKdKK.KdK.",
    "..............KYoK.K...KdK...K..",
    "..............KKKK.....KKK......",
    "................................",
};
// clang-format on

constexpr auto kBrowserEmuPixels = PixelsOf<32, 32>(kBrowserEmuArt);
constexpr auto kBrowserEmuSmallPixels = PixelsOf<16, 16>(kBrowserEmuSmallArt);
constexpr auto kContentTypesPixels = PixelsOf<32, 32>(kContentTypesArt);

// The large form of an icon comes first: it is the one found by the icon's id.
constexpr platform::IconResource kIcons[] = {
    {IDI_BROWSER_EMU, 32, 32, kBrowserEmuPixels},
    {IDI_BROWSER_EMU, 16, 16, kBrowserEmuSmallPixels},
    {IDI_CONTENT_TYPES, 32, 32, kContentTypesPixels},
};

}  // namespace

std::span<const platform::IconResource> LibraryIcons() { return kIcons; }

}  // namespace tessaly::res
