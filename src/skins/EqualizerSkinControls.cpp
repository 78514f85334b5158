#include "EqualizerSkinControls.h"

// Later controls lie on top of earlier ones: the background first, each
// slider's track before its thumb.
EqualizerSkinControls::EqualizerSkinControls(QWidget* window)
    : SkinWindow(window),
      EQMainImage(new Image(window)),
      EQTitleBarImage(new Image(window)),
      EQMainMenuButton(new Image(window)),
      EQCloseWindowButton(new Image(window)),
      EQToggleWindowButton(new Image(window)),
      EQDiagramImageCanvas(new Canvas(window)),
      EQDiagramPreAmpLine(new Image(window)),
      EQOnButton(new Image(window)),
      EQAutoButton(new Image(window)),
      EQPresetsButton(new Image(window)),
      EQPreAmpImage(new Image(window)),
      EQPreAmpButton(new Image(window)),
      EQBandImage1(new Image(window)),
      EQBandButton1(new Image(window)),
      EQBandImage2(new Image(window)),
      EQBandButton2(new Image(window)),
      EQBandImage3(new Image(window)),
      EQBandButton3(new Image(window)),
      EQBandImage4(new Image(window)),
      EQBandButton4(new Image(window)),
      EQBandImage5(new Image(window)),
      EQBandButton5(new Image(window)),
      EQBandImage6(new Image(window)),
      EQBandButton6(new Image(window)),
      EQBandImage7(new Image(window)),
      EQBandButton7(new Image(window)),
      EQBandImage8(new Image(window)),
      EQBandButton8(new Image(window)),
      EQBandImage9(new Image(window)),
      EQBandButton9(new Image(window)),
      EQBandImage10(new Image(window)),
      EQBandButton10(new Image(window)),
      EQVolLevelCanvas(new Canvas(window)),
      EQShadeStrip(new SkinUnit::ShadeStrip(window)) {
  EQDiagramPreAmpLine->hide();
}

std::array<PlatformUi::ImageControl*, 10> EqualizerSkinControls::EQBandImages() const {
  return {EQBandImage1, EQBandImage2, EQBandImage3, EQBandImage4, EQBandImage5,
          EQBandImage6, EQBandImage7, EQBandImage8, EQBandImage9, EQBandImage10};
}

std::array<PlatformUi::ImageControl*, 10> EqualizerSkinControls::EQBandButtons() const {
  return {EQBandButton1, EQBandButton2, EQBandButton3, EQBandButton4, EQBandButton5,
          EQBandButton6, EQBandButton7, EQBandButton8, EQBandButton9, EQBandButton10};
}
