#pragma once
// The playlist editor's skinned controls and image lists. They are created
// with the window and moved into its Panel1 by PlaceInPanel; the frame panels
// then follow Panel1's size (title bar on top, bottom bar below, edges left
// and right). The skin loaders size and fill the rest.
#include <QWidget>

#include <array>
#include <memory>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"
#include "skins/ShadeStrip.h"

struct PlayListSkinControls {
  explicit PlayListSkinControls(QWidget* window);
  ~PlayListSkinControls();

  using Image = PlatformUi::ImageControl;
  using Canvas = PlatformUi::PaintBox;
  using List = PlatformUi::ImageList;

  QWidget* PLTopPanel;
  Image* PLTitleBarLeftImage;
  Canvas* PLTopCanvas;
  Image* PLTitleBarRightImage;
  Image* PLMainMenuButton;
  Image* PLToggleWindowButton;
  Image* PLCloseWindowButton;

  QWidget* PLLeftPanel;
  Image* PLVerticalLeftImage;
  Canvas* PLLeftCanvas;

  QWidget* PLRightPanel;
  Image* PLVerticalRightImage;
  Canvas* PLRightCanvas;
  Image* PLScrollImage;
  Image* PLScrollButton;

  QWidget* PLBottomPanel;
  Image* PLBottomLeftImage;
  Canvas* PLBottomCanvas;
  Image* PLBottomRightImage;
  Image* ToggleMenu1Button;
  Image* ToggleMenu2Button;
  Image* ToggleMenu3Button;
  Image* ToggleMenu4Button;
  Image* ToggleMenu5Button;
  Canvas* PLTextWindow;

  // Menu panels: a side bar image and a panel of buttons stacked from the top.
  QWidget* PLMenu1Panel;
  Image* PLMenu1Image;
  QWidget* Panel3;
  Image* PLMenu1Button1;
  Image* PLMenu1Button2;
  Image* PLMenu1Button3;
  QWidget* PLMenu2Panel;
  Image* PLMenu2Image;
  QWidget* Panel4;
  Image* PLMenu2Button1;
  Image* PLMenu2Button2;
  Image* PLMenu2Button3;
  Image* PLMenu2Button4;
  QWidget* PLMenu3Panel;
  Image* PLMenu3Image;
  QWidget* Panel5;
  Image* PLMenu3Button1;
  Image* PLMenu3Button2;
  Image* PLMenu3Button3;
  QWidget* PLMenu4Panel;
  Image* PLMenu4Image;
  QWidget* Panel6;
  Image* PLMenu4Button1;
  Image* PLMenu4Button2;
  Image* PLMenu4Button3;
  QWidget* PLMenu5Panel;
  Image* PLMenu5Image;
  QWidget* Panel7;
  Image* PLMenu5Button1;
  Image* PLMenu5Button2;
  Image* PLMenu5Button3;

  // Tile sources, never shown themselves.
  Image* PLTitleBarMainImage;
  Image* PLTitleBarHorizontalImage;
  Image* PLBottomExtraImage1;
  Image* PLBottomExtraImage2;

  List PLTitleBarMainImageList;
  List PLTitleBarRestImageList;
  List PLTitleBarButtonsImageList;
  List PLScrollButtonImageList;
  List PLMenuButtonsImageList;
  // Windowshade, 50 x 14 sprites: 0 the strip's left end and 1 its tile
  // (25 pixels wide each), 2 and 3 its right end, active and inactive;
  // empty when the skin has none.
  List PLShadeImageList;
  // Covers the window's top while rolled up; a child of the window itself,
  // above Panel1.
  SkinUnit::ShadeStrip* PLShadeStrip;

  // The smallest Panel1 the loaded skin allows.
  QSize PLMinimumSize{275, 116};

  // Menus 1..5 and their parts, in order.
  std::array<QWidget*, 5> PLMenuPanels() const;
  std::array<Image*, 5> PLMenuImages() const;
  std::array<QWidget*, 5> PLMenuButtonPanels() const;
  std::array<Image*, 5> ToggleMenuButtons() const;
  // The 16 menu buttons: PLMenu1Button1..3, PLMenu2Button1..4, then menus 3 to 5.
  std::array<Image*, 16> PLMenuButtons() const;

  // Moves the controls into the panel that holds everything and keeps the
  // frame fitted to it.
  void PlaceInPanel(QWidget* panel1);

  // Fits the frame panels and their parts to Panel1's size and stacks each
  // menu's parts; runs by itself whenever Panel1 is resized.
  void ArrangePlayListFrame();

 private:
  QWidget* panel1_;
  std::unique_ptr<QObject> resizeWatcher_;
};
