#include "host/desktop/font_choice.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

#include "platform/win32/structs.h"

namespace tessaly::desktop {

namespace {

constexpr int kDefaultPixels = 11;  // 8 points at 96 dots per inch
constexpr int kSmallestPixels = 6;
// The classic dialog font is 6 pixels wide on average for 11 pixels of character height.
constexpr double kWidthPerPixel = 6.0 / 11.0;
constexpr std::array kWesternStandIns = {"Liberation Sans", "Arimo", "DejaVu Sans"};
constexpr std::array kJapaneseStandIns = {"Noto Sans CJK JP", "IPAPGothic", "VL PGothic", "Droid Sans Fallback",
                                          "DejaVu Sans"};

template <std::size_t N>
QString FirstInstalled(const std::array<const char*, N>& families) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : families)
    if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) return QString::fromLatin1(family);
  return QString();
}

double AverageLetterWidth(const QFont& font) {
  static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  return QFontMetricsF(font).horizontalAdvance(kLetters) / kLetters.size();
}

// A positive height is the cell height: the largest size whose line fits it.
int PixelsForCell(QFont font, int cellHeight) {
  int pixels = cellHeight;
  for (; pixels > kSmallestPixels; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).height() <= cellHeight) break;
  }
  return pixels;
}

QFont Make(const platform::window::FontSnapshot& wanted) {
  const QString face = QString::fromUtf8(wanted.face.c_str());
  const bool installed = !face.isEmpty() && QFontDatabase::families().contains(face, Qt::CaseInsensitive);
  const bool japanese = wanted.charSet == SHIFTJIS_CHARSET;
  QFont font(installed ? face : (japanese ? FirstInstalled(kJapaneseStandIns) : FirstInstalled(kWesternStandIns)));
  font.setWeight(wanted.weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(wanted.weight, 100, 900)));
  int pixels =
      wanted.height < 0 ? -wanted.height : (wanted.height > 0 ? PixelsForCell(font, wanted.height) : kDefaultPixels);
  pixels = std::max(pixels, kSmallestPixels);
  font.setPixelSize(pixels);
  // Latin letters of a stand-in may run wider than the original's; Japanese glyphs are square
  // in any family, so only Western stand-ins are narrowed.
  if (!installed && !japanese) {
    const double widest = kWidthPerPixel * pixels;
    while (font.pixelSize() > kSmallestPixels && AverageLetterWidth(font) > widest)
      font.setPixelSize(font.pixelSize() - 1);
  }
  return font;
}

}  // namespace

QFont FontFor(const platform::window::FontSnapshot& font) {
  using Key = std::tuple<std::string, int, int, int>;
  static std::map<Key, QFont> made;
  const Key key{font.face, font.height, font.weight, font.charSet};
  auto it = made.find(key);
  if (it == made.end()) it = made.emplace(key, Make(font)).first;
  return it->second;
}

}  // namespace tessaly::desktop
