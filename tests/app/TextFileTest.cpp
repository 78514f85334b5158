#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/ui/TextFile.h"
#include "support/TestEnvironment.h"

using PlatformUi::ReadTextLines;
using PlatformUi::SplitTextLines;
using PlatformUi::WriteTextLines;

TEST(TextFile, LinesEndAtCROrLFOrBoth) {
  EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\n\nb\r\n"), (QStringList{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("\n"), (QStringList{""}));
  EXPECT_EQ(SplitTextLines("last line without end"), (QStringList{"last line without end"}));
  EXPECT_TRUE(SplitTextLines("").isEmpty());
}

TEST(TextFile, WritesCRLFAndReadsBack) {
  const QString path = TestSupport::ProgramFolder() + "lines.txt";
  ASSERT_TRUE(WriteTextLines(path, {"één", "", "three"}));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\xc3\xa9\xc3\xa9n\r\n\r\nthree\r\n"));
  EXPECT_EQ(ReadTextLines(path, 1000), (QStringList{"één", "", "three"}));
}

TEST(TextFile, ReadingRefusesMissingAndOversizedFiles) {
  const QString path = TestSupport::ProgramFolder() + "big.txt";
  EXPECT_FALSE(ReadTextLines(path, 1000));
  ASSERT_TRUE(WriteTextLines(path, {QString(2000, 'x')}));
  EXPECT_FALSE(ReadTextLines(path, 1000));
  EXPECT_TRUE(ReadTextLines(path, 5000));
}

TEST(TextFile, AFailedWriteLeavesNoPartialFileAndReportsIt) {
  const QString folder = TestSupport::ProgramFolder();
  EXPECT_FALSE(WriteTextLines(folder + "missing-folder/file.txt", {"x"}));
  // A folder standing where the file should go cannot be replaced.
  QDir(folder).mkdir("taken");
  EXPECT_FALSE(WriteTextLines(folder + "taken", {"x"}));
  EXPECT_TRUE(QFileInfo(folder + "taken").isDir());
  EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 0) << "no temporary file may be left behind";
}
