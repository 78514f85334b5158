#include <gtest/gtest.h>

#include "cddb/CddbText.h"

namespace {

using namespace Cddb;

TEST(CddbText, HelloPartsOfAnEmailAddress) {
  EXPECT_EQ(EmailToHello("user@host.org"), "user host.org");
  EXPECT_EQ(EmailToHello("a@b@c"), "a@b c");
  EXPECT_EQ(EmailToHello("nobody"), "");
}

TEST(CddbText, UrlEncodingKeepsOnlyLettersAndDigits) {
  EXPECT_EQ(UrlEncode("a b-c"), "a+b%2Dc");
  EXPECT_EQ(UrlEncode("x&y=z/~"), "x%26y%3Dz%2F%7E");
  EXPECT_EQ(UrlEncode(QString::fromUtf8("é")), "%C3%A9");
}

TEST(CddbText, ReplyTextIsUtf8ElseLatin1) {
  EXPECT_EQ(DecodeReplyText("Caf\xc3\xa9"), QString::fromUtf8("Café"));
  EXPECT_EQ(DecodeReplyText("Caf\xe9"), QString::fromUtf8("Café"));
  EXPECT_EQ(SingleLine("a\r\nb\tc"), "abc");
  EXPECT_EQ(ReplyCode("210 OK"), 210);
  EXPECT_EQ(ReplyCode("21"), -1);
  EXPECT_EQ(ReplyCode("rock 1234"), -1);
}

TEST(CddbText, LineBufferSplitsAcrossChunksAndDropsOverlongLines) {
  ReplyLineBuffer buffer;
  bool overlong = false;
  EXPECT_TRUE(buffer.Append("200 Hel", overlong).isEmpty());
  QList<QByteArray> lines = buffer.Append("lo\r", overlong);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0], "200 Hello");
  // The LF of a CR LF pair split over two chunks ends no extra line.
  lines = buffer.Append("\nnext\nlast\rx", overlong);
  EXPECT_EQ(lines, (QList<QByteArray>{"next", "last"}));
  EXPECT_EQ(buffer.Flush(), QByteArray("x"));
  EXPECT_FALSE(overlong);

  lines = buffer.Append(QByteArray(MaxReplyLineBytes + 10, 'y') + "\nafter\n", overlong);
  EXPECT_TRUE(overlong);
  EXPECT_EQ(lines, QList<QByteArray>{"after"});
  EXPECT_FALSE(buffer.Flush().has_value());
}

}  // namespace
