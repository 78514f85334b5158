// The editor's text rules, its year rule, stand-in names and the CD lookup
// settings file.
#include <QFile>

#include <gtest/gtest.h>

#include "CddbTestSupport.h"
#include "cddb/CDInfoEditing.h"
#include "cddb/CDLookupSettings.h"

namespace {

using namespace CDInfoEditing;

TEST(CDInfoEditing, LinesAreCutAtLineEndsOnly) {
  EXPECT_EQ(SplitIntoLines("one\r\ntwo\rthree\n\n\nfour"), (QStringList{"one", "two", "three", "four"}));
  EXPECT_EQ(SplitIntoLines("AC/DC\tlive 'a/b'"), QStringList{"AC/DC\tlive 'a/b'"});
  EXPECT_TRUE(SplitIntoLines("\r\n\n").isEmpty());
  EXPECT_EQ(WithoutTrailingBlanks("text\r\n more \t\r\n\n  "), "text\n more");
  EXPECT_EQ(JoinedLines("a\r\n\r\nb  \r\n"), "a\nb");
}

TEST(CDInfoEditing, YearIsEmptyOrFourDigits) {
  struct Case {
    QString year;
    bool passes;
    bool cleared;
  };
  for (const Case& c : {Case{"", true, false}, Case{"1999", true, false}, Case{"19x9", false, true},
                        Case{"199", false, false}, Case{"19999", false, false}}) {
    SCOPED_TRACE(c.year.toStdString());
    const Validation result = Validate({"A", "T", "12345678", "1", "rock", c.year, {"x"}});
    EXPECT_EQ(result.Passed(), c.passes);
    EXPECT_EQ(result.clearYear, c.cleared);
  }
}

TEST(CDInfoEditing, StandInNamesAreRecognised) {
  for (const char* name : {"Track 1", "track01", "Track  12", "Audio Track 07", "Unknown", "unknown artist",
                           "Unknown Album", "New Album", "  Track 3  "}) {
    EXPECT_TRUE(IsPlaceholderTitle(name)) << name;
  }
  for (const char* name : {"Track of the Year", "Backtrack 1", "Unknown Pleasures", "Tracks", "Песня 1"}) {
    EXPECT_FALSE(IsPlaceholderTitle(name)) << name;
  }
  EXPECT_TRUE(IsPlaceholderEmail(Cddb::DefaultEmailUser));
  EXPECT_TRUE(IsPlaceholderEmail("nobody"));
  EXPECT_TRUE(IsPlaceholderEmail("change.me@example.invalid")) << "the address older players started with";
  EXPECT_FALSE(IsPlaceholderEmail("me@example.org"));

  const QStringList refusals =
      SubmissionRefusals("me@example.org", {"Unknown Artist", "Album", "", "", "", "", {"Track 1", "Real", "Track 3"}});
  EXPECT_EQ(refusals, (QStringList{"Please give the real artist and title of the CD before submitting.",
                                   "Please give these tracks their real titles before submitting: 1, 3"}));
}

TEST(CDLookupSettings, RoundTripAndDefaultsForWhatIsMissingOrWrong) {
  CDLookup::Settings defaults = CDLookup::Load();
  EXPECT_EQ(defaults.EmailUser, Cddb::DefaultEmailUser);
  EXPECT_EQ(defaults.ServerAddr, Cddb::DefaultServerAddr);
  EXPECT_EQ(defaults.ServerType, Cddb::TServerType::HTTP);
  EXPECT_EQ(defaults.SubmissionType, Cddb::TSubmissionType::TEST);

  CDLookup::Settings changed = defaults;
  changed.EmailUser = QString::fromUtf8("ünïcode@example.org");
  changed.ServerAddr = "cddb.example.org";
  changed.ServerType = Cddb::TServerType::CDDBP;
  changed.CddbpPort = "888";
  changed.SubmissionType = Cddb::TSubmissionType::SUBMIT;
  ASSERT_TRUE(CDLookup::Save(changed));
  const CDLookup::Settings loaded = CDLookup::Load();
  EXPECT_EQ(loaded.EmailUser, changed.EmailUser);
  EXPECT_EQ(loaded.ServerAddr, "cddb.example.org");
  EXPECT_EQ(loaded.ServerType, Cddb::TServerType::CDDBP);
  EXPECT_EQ(loaded.CddbpPort, "888");
  EXPECT_EQ(loaded.SubmissionType, Cddb::TSubmissionType::SUBMIT);

  QFile file(CDLookup::SettingsFilePath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("garbage\nCddbpPort=99999\nHttpPort=abc\nType=gopher\nEmail=\n");
  file.close();
  const CDLookup::Settings repaired = CDLookup::Load();
  EXPECT_EQ(repaired.CddbpPort, "8880");
  EXPECT_EQ(repaired.HttpPort, "80");
  EXPECT_EQ(repaired.ServerType, Cddb::TServerType::HTTP);
  EXPECT_EQ(repaired.EmailUser, Cddb::DefaultEmailUser);
}

TEST(CDLookupSettings, HttpPortJoinsTheAddressUnlessItIsTheDefault) {
  Cddb::TCddb cddb;
  CDLookup::Settings settings;
  settings.ServerAddr = " host.example.org ";
  settings.EmailUser = "me@example.org";
  CDLookup::ApplyTo(settings, cddb, Cddb::TServerType::HTTP);
  EXPECT_EQ(cddb.ServerAddr, "host.example.org");
  EXPECT_EQ(cddb.ServerType, Cddb::TServerType::HTTP);
  EXPECT_EQ(cddb.EmailUser, "me@example.org");
  settings.HttpPort = "8080";
  CDLookup::ApplyTo(settings, cddb, Cddb::TServerType::HTTP);
  EXPECT_EQ(cddb.ServerAddr, "host.example.org:8080");
  CDLookup::ApplyTo(settings, cddb, Cddb::TServerType::CDDBP);
  EXPECT_EQ(cddb.ServerAddr, "host.example.org");
  EXPECT_EQ(cddb.ServerPort, "8880");
}

}  // namespace
