#include "PlayListSkinControls.h"

#include <QEvent>

#include <algorithm>
#include <functional>

namespace {

constexpr int kTitleHeight = 20;
constexpr int kBottomHeight = 38;
constexpr int kEdgeWidth = 25;
constexpr int kScrollTrackLeft = 10;

// Runs a function whenever the watched widget changes size.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QWidget* watched, std::function<void()> onResize)
      : onResize_(std::move(onResize)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) onResize_();
    return false;
  }

 private:
  std::function<void()> onResize_;
};

PlatformUi::ImageControl* NewImage(QWidget* parent, int w, int h) {
  auto* image = new PlatformUi::ImageControl(parent);
  image->resize(w, h);
  return image;
}

PlatformUi::ImageControl* NewSource(QWidget* parent, int w, int h) {
  auto* image = NewImage(parent, w, h);
  image->hide();
  return image;
}

}  // namespace

PlayListSkinControls::PlayListSkinControls(QWidget* window)
    : PLTopPanel(new QWidget(window)),
      PLTitleBarLeftImage(NewImage(PLTopPanel, 25, 20)),
      PLTopCanvas(new Canvas(PLTopPanel)),
      PLTitleBarRightImage(NewImage(PLTopPanel, 25, 20)),
      PLMainMenuButton(NewImage(PLTopPanel, 9, 9)),
      PLToggleWindowButton(NewImage(PLTopPanel, 9, 9)),
      PLCloseWindowButton(NewImage(PLTopPanel, 9, 9)),
      PLLeftPanel(new QWidget(window)),
      PLVerticalLeftImage(NewImage(PLLeftPanel, 25, 29)),
      PLLeftCanvas(new Canvas(PLLeftPanel)),
      PLRightPanel(new QWidget(window)),
      PLVerticalRightImage(NewImage(PLRightPanel, 25, 29)),
      PLRightCanvas(new Canvas(PLRightPanel)),
      PLScrollImage(NewImage(PLRightPanel, 8, 167)),
      PLScrollButton(NewImage(PLRightPanel, 8, 18)),
      PLBottomPanel(new QWidget(window)),
      PLBottomLeftImage(NewImage(PLBottomPanel, 125, 38)),
      PLBottomCanvas(new Canvas(PLBottomPanel)),
      PLBottomRightImage(NewImage(PLBottomPanel, 150, 38)),
      ToggleMenu1Button(NewImage(PLBottomPanel, 22, 18)),
      ToggleMenu2Button(NewImage(PLBottomPanel, 22, 18)),
      ToggleMenu3Button(NewImage(PLBottomPanel, 22, 18)),
      ToggleMenu4Button(NewImage(PLBottomPanel, 22, 18)),
      ToggleMenu5Button(NewImage(PLBottomPanel, 22, 18)),
      PLTextWindow(new Canvas(PLBottomPanel)),
      PLMenu1Panel(new QWidget(window)),
      PLMenu1Image(NewImage(PLMenu1Panel, 3, 54)),
      Panel3(new QWidget(PLMenu1Panel)),
      PLMenu1Button1(NewImage(Panel3, 22, 18)),
      PLMenu1Button2(NewImage(Panel3, 22, 18)),
      PLMenu1Button3(NewImage(Panel3, 22, 18)),
      PLMenu2Panel(new QWidget(window)),
      PLMenu2Image(NewImage(PLMenu2Panel, 3, 72)),
      Panel4(new QWidget(PLMenu2Panel)),
      PLMenu2Button1(NewImage(Panel4, 22, 18)),
      PLMenu2Button2(NewImage(Panel4, 22, 18)),
      PLMenu2Button3(NewImage(Panel4, 22, 18)),
      PLMenu2Button4(NewImage(Panel4, 22, 18)),
      PLMenu3Panel(new QWidget(window)),
      PLMenu3Image(NewImage(PLMenu3Panel, 3, 54)),
      Panel5(new QWidget(PLMenu3Panel)),
      PLMenu3Button1(NewImage(Panel5, 22, 18)),
      PLMenu3Button2(NewImage(Panel5, 22, 18)),
      PLMenu3Button3(NewImage(Panel5, 22, 18)),
      PLMenu4Panel(new QWidget(window)),
      PLMenu4Image(NewImage(PLMenu4Panel, 3, 54)),
      Panel6(new QWidget(PLMenu4Panel)),
      PLMenu4Button1(NewImage(Panel6, 22, 18)),
      PLMenu4Button2(NewImage(Panel6, 22, 18)),
      PLMenu4Button3(NewImage(Panel6, 22, 18)),
      PLMenu5Panel(new QWidget(window)),
      PLMenu5Image(NewImage(PLMenu5Panel, 3, 54)),
      Panel7(new QWidget(PLMenu5Panel)),
      PLMenu5Button1(NewImage(Panel7, 22, 18)),
      PLMenu5Button2(NewImage(Panel7, 22, 18)),
      PLMenu5Button3(NewImage(Panel7, 22, 18)),
      PLTitleBarMainImage(NewSource(window, 100, 20)),
      PLTitleBarHorizontalImage(NewSource(window, 25, 20)),
      PLBottomExtraImage1(NewSource(window, 25, 38)),
      PLBottomExtraImage2(NewSource(window, 75, 38)),
      PLShadeStrip(new SkinUnit::ShadeStrip(window)),
      panel1_(window) {
  PLScrollImage->move(kScrollTrackLeft, 0);
  PLScrollButton->move(kScrollTrackLeft, 0);
  PLTextWindow->setGeometry(158, 11, 90, 6);
  PLTextWindow->setToolTip(QStringLiteral("Playlist Info"));
  const int toggleLefts[] = {14, 43, 72, 101, 256};
  const auto toggles = ToggleMenuButtons();
  for (size_t i = 0; i < toggles.size(); ++i) toggles[i]->move(toggleLefts[i], 8);
  for (QWidget* menu : PLMenuPanels()) menu->hide();
  ArrangePlayListFrame();
}

void PlayListSkinControls::PlaceInPanel(QWidget* panel1) {
  panel1_ = panel1;
  for (QWidget* frame : {PLTopPanel, PLLeftPanel, PLRightPanel, PLBottomPanel}) {
    frame->setParent(panel1);
    frame->show();
  }
  for (QWidget* hidden : PLMenuPanels()) hidden->setParent(panel1);
  for (QWidget* hidden : {PLTitleBarMainImage, PLTitleBarHorizontalImage, PLBottomExtraImage1,
                          PLBottomExtraImage2})
    hidden->setParent(panel1);
  ArrangePlayListFrame();
  resizeWatcher_ = std::make_unique<ResizeWatcher>(panel1, [this] { ArrangePlayListFrame(); });
}

PlayListSkinControls::~PlayListSkinControls() = default;

std::array<QWidget*, 5> PlayListSkinControls::PLMenuPanels() const {
  return {PLMenu1Panel, PLMenu2Panel, PLMenu3Panel, PLMenu4Panel, PLMenu5Panel};
}

std::array<PlatformUi::ImageControl*, 5> PlayListSkinControls::PLMenuImages() const {
  return {PLMenu1Image, PLMenu2Image, PLMenu3Image, PLMenu4Image, PLMenu5Image};
}

std::array<QWidget*, 5> PlayListSkinControls::PLMenuButtonPanels() const {
  return {Panel3, Panel4, Panel5, Panel6, Panel7};
}

std::array<PlatformUi::ImageControl*, 5> PlayListSkinControls::ToggleMenuButtons() const {
  return {ToggleMenu1Button, ToggleMenu2Button, ToggleMenu3Button, ToggleMenu4Button,
          ToggleMenu5Button};
}

std::array<PlatformUi::ImageControl*, 16> PlayListSkinControls::PLMenuButtons() const {
  return {PLMenu1Button1, PLMenu1Button2, PLMenu1Button3, PLMenu2Button1,
          PLMenu2Button2, PLMenu2Button3, PLMenu2Button4, PLMenu3Button1,
          PLMenu3Button2, PLMenu3Button3, PLMenu4Button1, PLMenu4Button2,
          PLMenu4Button3, PLMenu5Button1, PLMenu5Button2, PLMenu5Button3};
}

void PlayListSkinControls::ArrangePlayListFrame() {
  const int w = panel1_->width();
  const int h = panel1_->height();
  const int middle = std::max(0, h - kTitleHeight - kBottomHeight);

  PLTopPanel->setGeometry(0, 0, w, kTitleHeight);
  PLTitleBarLeftImage->move(0, 0);
  // The close and toggle buttons sit on the title bar's right end and go with it.
  const int rightShift = w - PLTitleBarRightImage->width() - PLTitleBarRightImage->x();
  PLTitleBarRightImage->move(w - PLTitleBarRightImage->width(), 0);
  for (QWidget* button : {PLCloseWindowButton, PLToggleWindowButton})
    button->move(button->x() + rightShift, button->y());
  PLTopCanvas->setGeometry(PLTitleBarLeftImage->width(), 0,
                           std::max(0, PLTitleBarRightImage->x() - PLTitleBarLeftImage->width()),
                           kTitleHeight);

  PLLeftPanel->setGeometry(0, kTitleHeight, kEdgeWidth, middle);
  PLVerticalLeftImage->move(0, 0);
  PLLeftCanvas->setGeometry(0, PLVerticalLeftImage->height(), kEdgeWidth,
                            std::max(0, middle - PLVerticalLeftImage->height()));

  PLRightPanel->setGeometry(w - kEdgeWidth, kTitleHeight, kEdgeWidth, middle);
  PLVerticalRightImage->move(0, 0);
  PLRightCanvas->setGeometry(0, PLVerticalRightImage->height(), kEdgeWidth,
                             std::max(0, middle - PLVerticalRightImage->height()));

  PLBottomPanel->setGeometry(0, h - kBottomHeight, w, kBottomHeight);
  PLBottomLeftImage->move(0, 0);
  PLBottomRightImage->move(w - PLBottomRightImage->width(), 0);
  PLBottomCanvas->setGeometry(PLBottomLeftImage->width(), 0,
                              std::max(0, PLBottomRightImage->x() - PLBottomLeftImage->width()),
                              kBottomHeight);

  const auto images = PLMenuImages();
  const auto buttonPanels = PLMenuButtonPanels();
  const auto buttons = PLMenuButtons();
  size_t button = 0;
  for (size_t menu = 0; menu < images.size(); ++menu) {
    images[menu]->move(0, 0);
    buttonPanels[menu]->move(images[menu]->width(), 0);
    const size_t count = menu == 1 ? 4 : 3;
    int top = 0;
    for (size_t k = 0; k < count; ++k, ++button) {
      buttons[button]->move(0, top);
      top += buttons[button]->height();
    }
  }
}
