#pragma once
// A running player for deck tests: the built default skin, the BASS back-end
// writing its mix to a WAV file (paced faster than real time), short generated
// songs in the playlist, and helpers that work the deck with the mouse.
#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

#include "mediagen/PcmAudio.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"

namespace DeckTests {

class DeckRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the windows and runs start-up; the deck's timers are stopped so
  // that tests tick them by hand.
  void Start();
  // Ends the run as closing the deck does (settings written, audio freed).
  void Stop();

  // A sine song of the given length written into the program folder.
  static QString WriteSong(const QString& name, double seconds, int channels = 2);
  // Replaces the playlist by these files, the first one current.
  static void UsePlayList(const QStringList& paths);

  static void Click(PlatformUi::SkinnedControl* control, QPoint at = {});
  static void Press(PlatformUi::SkinnedControl* control, QPoint at);
  static void DragTo(PlatformUi::SkinnedControl* control, QPoint at);
  static void Release(PlatformUi::SkinnedControl* control, QPoint at);

  // Ticks Timer2 (and Timer1) every 20 ms until `done` holds or the time is up.
  static bool TickUntil(const std::function<bool()>& done, int timeoutMs = 10000);

  static bool Shows(const PlatformUi::ImageControl* image, const PlatformUi::ImageList& list,
                    int sprite);
  // The canvas a paint box would hold after drawing `text` in `cells` small-font cells.
  static bool ShowsText(PlatformUi::PaintBox* box, const QString& text, int cells);

  // Whether the screen shows what the box's opaque canvas holds: the pixels
  // its window last sent, grabbed from the platform, not drawn afresh.
  static bool ScreenShows(PlatformUi::PaintBox* box);

  // The mix written so far (the run must have been stopped).
  MediaGen::PcmAudio HeardOutput() const;

  QString outputPath_;
};

}  // namespace DeckTests
