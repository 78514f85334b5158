// Connects the equalizer's skinned controls to their handlers, and the
// handlers of its buttons, title bar and panels.
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/TEqualizerPresetsForm.h"
#include "platform/ui/MessageBoxService.h"
#include "skins/SkinnedButtons.h"
#include "skins/WindowSnap.h"

namespace {

using SkinnedButtons::Handler;

namespace Audio = KestrelixAudioApi;
using PlatformUi::ImageControl;
using PlatformUi::ImageList;

void ConnectSlider(TEqualizerFormSkinned* eq, ImageControl* thumb, int index) {
  QObject::connect(thumb, &ImageControl::MouseDown, eq,
                   [eq, index](int x, int y) { eq->SliderMouseDown(index, x, y); });
  QObject::connect(thumb, &ImageControl::MouseMove, eq, [eq, index](int x, int y, bool leftHeld) {
    if (leftHeld) eq->SliderMouseMove(index, x, y);
  });
  QObject::connect(thumb, &ImageControl::MouseUp, eq, [eq, index] { eq->SliderMouseUp(index); });
  QObject::connect(thumb, &ImageControl::DblClick, eq, [eq, index] { eq->SliderDblClick(index); });
  QObject::connect(thumb, &ImageControl::Click, eq, [eq, index] { eq->SliderClick(index); });
}

}  // namespace

void TEqualizerFormSkinned::ConnectControls() {
  ConnectSlider(this, EQPreAmpButton, 0);
  const auto thumbs = EQBandButtons();
  for (int band = 0; band < 10; ++band) ConnectSlider(this, thumbs[size_t(band)], band + 1);

  SkinnedButtons::ConnectToggleButton(this, EQOnButton, EQOnButtonImageList, EQOnButtonState, 0,
                                      Handler(this, &TEqualizerFormSkinned::EQOnButtonClick));
  SkinnedButtons::ConnectToggleButton(this, EQAutoButton, EQAutoButtonImageList, EQAutoButtonState,
                                      0, Handler(this, &TEqualizerFormSkinned::EQAutoButtonClick));
  SkinnedButtons::ConnectPressButton(this, EQPresetsButton, EQPresetsButtonImageList, 0,
                                     Handler(this, &TEqualizerFormSkinned::EQPresetsButtonClick));
  SkinnedButtons::ConnectPressButton(this, EQMainMenuButton, EQTitleBarButtonsImageList, 0, {});
  SkinnedButtons::ConnectPressButton(
      this, EQCloseWindowButton, EQTitleBarButtonsImageList, 2,
      Handler(this, &TEqualizerFormSkinned::EQCloseWindowButtonClick));

  // The windowshade strip moves the window like the title bar it covers.
  for (PlatformUi::SkinnedControl* titleBar :
       std::initializer_list<PlatformUi::SkinnedControl*>{EQTitleBarImage, EQShadeStrip}) {
    connect(titleBar, &PlatformUi::SkinnedControl::MouseDown, this,
            &TEqualizerFormSkinned::EQTitleBarImageMouseDown);
    connect(titleBar, &PlatformUi::SkinnedControl::MouseMove, this, [this](int x, int y, bool leftHeld) {
      if (leftHeld) EQTitleBarImageMouseMove(x, y);
    });
  }
  connect(EQDiagramImageCanvas, &PlatformUi::PaintBox::Click, this,
          &TEqualizerFormSkinned::EQDiagramImageCanvasClick);
  connect(EQVolLevelCanvas, &PlatformUi::PaintBox::Click, this,
          &TEqualizerFormSkinned::EQVolLevelCanvasClick);
}

// The sound follows at once: the filter is taken off or put on the playing
// channel, then set from the sliders.
void TEqualizerFormSkinned::EQOnButtonClick() {
  auto& vars = Audio::vars;
  const bool wasOn = vars.EQEnabled == 1;
  vars.EQEnabled = wasOn ? 0 : 1;
  if (wasOn) {
    Audio::DetachEqualizer();
  } else {
    Audio::AttachEqualizer();
  }
  ApplySliderValues();
}

void TEqualizerFormSkinned::EQAutoButtonClick() {
  EQAutoOn = !EQAutoOn;
  PlatformUi::ShowMessage(QStringLiteral("Not Implemented Yet"), QStringLiteral("Message"));
}

void TEqualizerFormSkinned::EQPresetsButtonClick() {
  EqualizerPresetsForm->show();
  EqualizerPresetsForm->raise();
}

void TEqualizerFormSkinned::EQCloseWindowButtonClick() {
  hide();
  if (Settings) Settings->EQVisible = false;
}

void TEqualizerFormSkinned::EQTitleBarImageMouseDown(int x, int y) { EQDragOrigin = QPoint(x, y); }

void TEqualizerFormSkinned::EQTitleBarImageMouseMove(int x, int y) {
  GeneralFunctions::MoveWindowByDrag(*this, EQDragOrigin.x(), EQDragOrigin.y(), x, y);
  if (CheckIfEQFormIsSnappedToOtherForm) CheckIfEQFormIsSnappedToOtherForm();
}
