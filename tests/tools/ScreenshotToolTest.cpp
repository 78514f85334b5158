// The screenshot tool's command line: options anywhere, unknown ones refused
// with the usage, and an output folder that cannot be made reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "ScreenshotOptions.h"
#include "support/TestEnvironment.h"

namespace {

TEST(ScreenshotToolTest, OptionsAreTakenAnywhereOnTheLine) {
  const QString here = QDir::currentPath() + '/';
  const struct {
    QStringList arguments;
    QString skin;
    QStringList songs;
  } cases[] = {
      {{"shots", "--skin", "A.wsz", "a.mp3"}, "A.wsz", {"a.mp3"}},
      {{"--skin", "A.wsz", "shots", "a.mp3"}, "A.wsz", {"a.mp3"}},
      {{"shots", "a.mp3", "b.ogg", "--skin=A.wsz"}, "A.wsz", {"a.mp3", "b.ogg"}},
      {{"shots"}, "", {}},
      {{"--", "shots", "--skin"}, "", {"--skin"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const Screenshot::Options options = Screenshot::ParseOptions(QStringList{"solvane_screenshot"} + c.arguments);
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.outputFolder, "shots");
    EXPECT_EQ(options.skin, c.skin.isEmpty() ? "" : here + c.skin);
    QStringList songs;
    for (const QString& song : c.songs) songs << here + song;
    EXPECT_EQ(options.songs, songs);
  }
}

TEST(ScreenshotToolTest, RefusalsExitWithAReasonBeforeTheWindowsStart) {
  const QString blocker = TestSupport::ProgramFolder() + "a file";
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const struct {
    QStringList arguments;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"shots", "--sknn", "A.wsz"}, 2, "Unknown option 'sknn'"},
      {{"--skin"}, 2, "Missing value after '--skin'"},
      {{}, 2, "No output folder given"},
      {{blocker + "/shots"}, 1, "cannot make the output folder"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    QProcess tool;
    tool.setWorkingDirectory(TestSupport::ProgramFolder());
    tool.start(QStringLiteral(SOLVANE_SCREENSHOT_PATH), c.arguments);
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), c.exitCode);
    const QString errors = QString::fromLocal8Bit(tool.readAllStandardError());
    EXPECT_TRUE(errors.contains(QLatin1String(c.message))) << errors.toStdString();
    if (c.exitCode == 2) {
      EXPECT_TRUE(errors.contains("OUTPUT_FOLDER")) << "the usage follows";
    }
    EXPECT_FALSE(QDir(TestSupport::ProgramFolder() + "shots").exists());
  }
}

}  // namespace
