#include <gtest/gtest.h>

#include <QDir>

#include "app/CommandLine.h"

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OptionsAndSongs) {
  const QString here = QDir::currentPath();
  const struct {
    QStringList arguments;
    Action action;
    bool enqueue;
    QStringList files;
  } cases[] = {
      {{}, Action::Run, false, {}},
      {{"a.mp3", "/music/b.ogg"}, Action::Run, false, {here + "/a.mp3", "/music/b.ogg"}},
      {{"--enqueue", "a.mp3"}, Action::Run, true, {here + "/a.mp3"}},
      {{"a.mp3", "-e"}, Action::Run, true, {here + "/a.mp3"}},
      {{"file:///music/with%20space.wav"}, Action::Run, false, {"/music/with space.wav"}},
      {{"/dev/sr0"}, Action::Run, false, {"/dev/sr0"}},
      {{"http://radio.example.com:8000/live", "a.mp3"}, Action::Run, false,
       {"http://radio.example.com:8000/live", here + "/a.mp3"}},
      {{"--", "--enqueue", "-x.mp3"}, Action::Run, false, {here + "/--enqueue", here + "/-x.mp3"}},
      {{"--help"}, Action::Help, false, {}},
      {{"--bogus", "-h"}, Action::Help, false, {}},
      {{"-v", "a.mp3"}, Action::Version, false, {here + "/a.mp3"}},
      {{"--bogus", "a.mp3"}, Action::Error, false, {here + "/a.mp3"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(qPrintable(c.arguments.join(' ')));
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.enqueue, c.enqueue);
    EXPECT_EQ(line.files, c.files);
  }
  EXPECT_EQ(ParseCommandLine({"--bogus"}).error, "unknown option \"--bogus\"");
}

}  // namespace
