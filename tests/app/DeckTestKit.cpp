#include "DeckTestKit.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/TDeckForm.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/WavFile.h"
#include "platform/ui/MillisecondClock.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

namespace DeckTests {

namespace {
// Songs are heard eight times faster than real time.
constexpr char kPace[] = "8";
}  // namespace

void DeckRun::SetUp() {
  KestrelixAudioApi::ResetAudioApi();
  const QString built = TestSupport::BuildFolder() + "/skins";
  if (QDir(built).exists()) QFile::link(built, TestSupport::ProgramFolder() + "skins");
  outputPath_ = TestSupport::ProgramFolder() + "out.wav";
  qputenv("SOLVANE_AUDIO_PACE", kPace);
  qputenv("SOLVANE_AUDIO_OUTPUT", "wav:" + QFile::encodeName(outputPath_));
}

void DeckRun::TearDown() {
  Stop();
  PlatformUi::SetMillisecondClockSource({});
  qunsetenv("SOLVANE_AUDIO_PACE");
  qputenv("SOLVANE_AUDIO_OUTPUT", "null");
  KestrelixAudioApi::ResetAudioApi();
}

void DeckRun::Start() {
  BASSApi::RegisterBASSApi();
  CreateForms();
  ASSERT_TRUE(InitializePlayer());
  DeckForm->Timer1->stop();
  DeckForm->Timer2->stop();
}

void DeckRun::Stop() {
  if (DeckForm) DestroyForms();
}

QString DeckRun::WriteSong(const QString& name, double seconds, int channels) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {440.0};
  spec.seconds = seconds;
  spec.channels = channels;
  spec.amplitude = 0.5;
  const QString path = TestSupport::ProgramFolder() + name;
  EXPECT_TRUE(MediaGen::WriteWav(path.toStdString(), MediaGen::MakeTone(spec)));
  return path;
}

void DeckRun::UsePlayList(const QStringList& paths) {
  PlayListModel& list = PlayListEditorForm->PlayList;
  list.Clear();
  QStringList entries;
  for (const QString& path : paths) entries.append(GeneralFunctions::BuildPlayListEntry(path));
  list.Append(entries);
  list.CurrentSongIndex = 0;
}

void DeckRun::Click(PlatformUi::SkinnedControl* control, QPoint at) {
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier,
                    at.isNull() ? control->rect().center() : at);
}

void DeckRun::Press(PlatformUi::SkinnedControl* control, QPoint at) {
  QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, at);
}

void DeckRun::DragTo(PlatformUi::SkinnedControl* control, QPoint at) {
  QTest::mouseMove(control, at);
}

void DeckRun::Release(PlatformUi::SkinnedControl* control, QPoint at) {
  QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, at);
}

bool DeckRun::TickUntil(const std::function<bool()>& done, int timeoutMs) {
  return TestSupport::WaitUntil([&done] {
    if (done()) return true;
    DeckForm->Timer2Timer();
    DeckForm->Timer1Timer();
    return false;
  }, timeoutMs, 20);
}

bool DeckRun::Shows(const PlatformUi::ImageControl* image, const PlatformUi::ImageList& list,
                    int sprite) {
  return !image->Picture().isNull() && image->Picture() == list.Sprite(sprite);
}

bool DeckRun::ShowsText(PlatformUi::PaintBox* box, const QString& text, int cells) {
  PlatformUi::PaintBox expected;
  expected.resize(box->size());
  const PlatformUi::ImageList& font = DeckForm->FontSmallImageList;
  GeneralFunctions::DrawBitmapText(text, cells, 0, 0, font, expected);
  const QRect drawn(0, 0, std::min(cells * font.Width(), box->width()), box->height());
  return box->Canvas().copy(drawn) == expected.Canvas().copy(drawn);
}

bool DeckRun::ScreenShows(PlatformUi::PaintBox* box) {
  QWidget* window = box->window();
  const QPoint at = box->mapTo(window, QPoint());
  const QImage screen =
      window->screen()->grabWindow(window->winId(), at.x(), at.y(), box->width(), box->height()).toImage();
  return screen.convertToFormat(QImage::Format_RGB32) == box->Canvas().convertToFormat(QImage::Format_RGB32);
}

MediaGen::PcmAudio DeckRun::HeardOutput() const {
  auto audio = MediaGen::ReadAudioFile(outputPath_.toStdString());
  EXPECT_TRUE(audio.has_value());
  return audio.value_or(MediaGen::PcmAudio{});
}

}  // namespace DeckTests
