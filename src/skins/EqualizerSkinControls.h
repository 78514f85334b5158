#pragma once
// The equalizer window's skinned controls, image lists, slider records and the
// skin values its drawing uses. The skin loaders size, place and fill them.
#include <QRgb>
#include <QWidget>

#include <array>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "skins/ShadeStrip.h"
#include "platform/ui/PaintBox.h"
#include "skins/Sliders.h"

struct EqualizerSkinControls {
  explicit EqualizerSkinControls(QWidget* window);

  using Image = PlatformUi::ImageControl;
  using Canvas = PlatformUi::PaintBox;
  using List = PlatformUi::ImageList;

  QWidget* SkinWindow;
  Image* EQMainImage;
  Image* EQTitleBarImage;
  Image* EQMainMenuButton;
  Image* EQCloseWindowButton;
  Image* EQToggleWindowButton;
  Canvas* EQDiagramImageCanvas;
  Image* EQDiagramPreAmpLine;  // never shown: the source of the diagram's preamp line
  Image* EQOnButton;
  Image* EQAutoButton;
  Image* EQPresetsButton;
  Image* EQPreAmpImage;
  Image* EQPreAmpButton;
  Image* EQBandImage1;
  Image* EQBandButton1;
  Image* EQBandImage2;
  Image* EQBandButton2;
  Image* EQBandImage3;
  Image* EQBandButton3;
  Image* EQBandImage4;
  Image* EQBandButton4;
  Image* EQBandImage5;
  Image* EQBandButton5;
  Image* EQBandImage6;
  Image* EQBandButton6;
  Image* EQBandImage7;
  Image* EQBandButton7;
  Image* EQBandImage8;
  Image* EQBandButton8;
  Image* EQBandImage9;
  Image* EQBandButton9;
  Image* EQBandImage10;
  Image* EQBandButton10;
  Canvas* EQVolLevelCanvas;
  SkinUnit::ShadeStrip* EQShadeStrip;  // covers the window's top while rolled up

  // Bands 1..10 in order.
  std::array<Image*, 10> EQBandImages() const;
  std::array<Image*, 10> EQBandButtons() const;

  List EQDiagramImageList;
  List EQBandsImageList;
  List EQOnButtonImageList;
  List EQAutoButtonImageList;
  List EQPresetsButtonImageList;
  List EQBandButtonImageList;
  List EQTitleBarButtonsImageList;
  List EQTitleBarImageList;
  List EQVisualEffectsImageList;
  List EQVisualEffectsVolLevelImageList;
  // Windowshade: the strip (0 active, 1 inactive; empty when the skin has
  // none), and the small volume knob (0 to 2: at the left end, between, at
  // the right end) and balance knob (3 to 5, the same).
  List EQShadeImageList;
  List EQShadeKnobImageList;

  GeneralFunctions::SliderRecord PreAmpSliderRecord;
  std::array<GeneralFunctions::SliderRecord, 10> BandSliderRecords;

  // Response-diagram geometry of the loaded skin.
  int EQDiagramStep = 12;
  int EQDiagramPreAmpX = 0;
  int EQDiagramOffsetX = 2;

  // Colour ramps of a native skin, entry 0 the bottom: spectrum columns,
  // oscilloscope points, and the third ramp of the level display.
  std::array<QRgb, 33> SpectrumColors{};
  std::array<QRgb, 33> ScopeColors{};
  std::array<QRgb, 33> LevelColors{};
};
