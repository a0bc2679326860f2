// The library's icons: their sizes, found through the chain by id, and real 16-colour pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/resource/resource_chain.h"
#include "resources/library_icons.h"
#include "resources/library_resources.h"
#include "resources/resource_ids.h"

namespace {

using namespace tessaly::res;

// The 16 colours of the classic palette, opaque.
const std::set<std::uint32_t> kPalette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                          0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                          0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

TEST(LibraryIcons, TheTabHasALargeAndASmallFormAndTheDialogALargeOne) {
  std::vector<std::pair<UINT, int>> forms;
  for (const platform::IconResource& icon : LibraryIcons()) {
    EXPECT_EQ(icon.width, icon.height) << icon.id;
    forms.emplace_back(icon.id, icon.width);
  }
  EXPECT_EQ(forms,
            (std::vector<std::pair<UINT, int>>{{IDI_BROWSER_EMU, 32}, {IDI_BROWSER_EMU, 16}, {IDI_CONTENT_TYPES, 32}}));
}

TEST(LibraryIcons, AreSixteenColourPicturesWithATransparentSurround) {
  for (const platform::IconResource& icon : LibraryIcons()) {
    SCOPED_TRACE(testing::Message() << icon.id << " " << icon.width);
    ASSERT_EQ(icon.pixels.size(), static_cast<std::size_t>(icon.width * icon.height));
    std::set<std::uint32_t> colours;
    for (std::uint32_t pixel : icon.pixels) {
      if (pixel == 0) continue;
      EXPECT_TRUE(kPalette.count(pixel)) << std::hex << pixel;
      colours.insert(pixel);
    }
    EXPECT_GE(colours.size(), 3u) << "a picture, not a blank";
    EXPECT_EQ(icon.pixels.front(), 0u) << "the corners show what lies behind";
    EXPECT_EQ(icon.pixels.back(), 0u);
    const auto opaque = std::count_if(icon.pixels.begin(), icon.pixels.end(), [](std::uint32_t p) { return p != 0; });
    EXPECT_GT(opaque, static_cast<long>(icon.pixels.size() / 4));
  }
}

TEST(LibraryIcons, TheChainFindsTheLargeFormByItsId) {
  platform::JoinResourceChain(LibraryModule());
  const platform::IconResource* tab = platform::FindIcon(IDI_BROWSER_EMU);
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(tab->width, 32);
  const auto size = platform::gdi::IconSize(LoadIconFromChain(IDI_CONTENT_TYPES));
  ASSERT_TRUE(size);
  EXPECT_EQ(size->cx, 32);
  platform::LeaveResourceChain(LibraryModule());
}

}  // namespace
