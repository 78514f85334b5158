// The generated base skin in the Winamp layout: it loads whole, and every
// sprite the loader cuts from it carries drawn art rather than empty sheet.
#include <gtest/gtest.h>

#include <QImage>

#include "DefaultSkinLayout.h"
#include "SkinWindows.h"
#include "skins/SkinUnit.h"
#include "skins/WinampSkinLoader.h"
#include "support/TestEnvironment.h"

namespace {

bool IsDrawn(const QImage& sprite) {
  const QRgb first = sprite.pixel(0, 0);
  for (int y = 0; y < sprite.height(); ++y)
    for (int x = 0; x < sprite.width(); ++x)
      if (sprite.pixel(x, y) != first) return true;
  return false;
}

TEST(WinampBaseSkinTest, LoadsWholeWithArtInEverySprite) {
  SkinUnit::DefaultSkinPath = SkinLayout::DefaultSkinFolder().chopped(1);
  SkinTests::SkinWindows windows;
  SkinUnit::LoadWinampSkin(SkinUnit::WinampBaseSkinPath(), windows.deck, windows.eq, windows.pl);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  const auto& d = windows.deck;
  const auto& e = windows.eq;
  const auto& p = windows.pl;
  const std::pair<const char*, const PlatformUi::ImageList*> lists[] = {
      {"transport", &d.PlayerMainButtonsImageList}, {"title bar", &d.TitleBarImageList},
      {"title buttons", &d.TitleBarButtonsImageList}, {"repeat", &d.RepeatButtonImageList},
      {"shuffle", &d.ShuffleButtonImageList},       {"eq and pl", &d.EQPLButtonImageList},
      {"volume knob", &d.VolumeButtonImageList},    {"balance knob", &d.BalanceButtonImageList},
      {"position knob", &d.PosBarButtonImageList},  {"mono stereo", &d.MonoStereoButtonImageList},
      {"eq on", &e.EQOnButtonImageList},            {"eq auto", &e.EQAutoButtonImageList},
      {"eq title", &e.EQTitleBarImageList},         {"eq knob", &e.EQBandButtonImageList},
      {"eq presets", &e.EQPresetsButtonImageList},  {"eq bars", &e.EQBandsImageList},
      {"pl menus", &p.PLMenuButtonsImageList},      {"pl scroll", &p.PLScrollButtonImageList}};
  for (const auto& [name, list] : lists) {
    ASSERT_GT(list->Count(), 0) << name;
    for (int k = 0; k < list->Count(); ++k) EXPECT_TRUE(IsDrawn(list->Sprite(k))) << name << " sprite " << k;
  }
  for (int digit = 0; digit <= 9; ++digit) EXPECT_TRUE(IsDrawn(d.NumbersImageList.Sprite(digit))) << digit;
  EXPECT_TRUE(IsDrawn(d.NumbersImageList.Sprite(11)));  // the painted minus
  EXPECT_TRUE(IsDrawn(d.FontSmallImageList.Sprite(0)));  // "A"
  EXPECT_TRUE(IsDrawn(p.PLCloseWindowButton->Picture()));
  EXPECT_TRUE(IsDrawn(p.ToggleMenu5Button->Picture()));
}

}  // namespace
