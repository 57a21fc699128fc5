#include "generator/PageText.h"

#include <gtest/gtest.h>

namespace {

struct EncodingCase {
    const char* text; // UTF-8
    QByteArray expected;
};

class Windows1251Encoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Windows1251Encoding, KnownBytes) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(toWindows1251(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Windows1251Encoding,
    ::testing::Values(EncodingCase{"Список", "\xD1\xEF\xE8\xF1\xEE\xEA"},
                      EncodingCase{"АЯаяЁё", "\xC0\xDF\xE0\xFF\xA8\xB8"},
                      EncodingCase{"№ €", "\xB9 \x88"}, EncodingCase{"plain ASCII", "plain ASCII"},
                      EncodingCase{"😀", "&#128512;"}, EncodingCase{"a😀б", "a&#128512;\xE1"},
                      EncodingCase{"中文", "&#20013;&#25991;"}, EncodingCase{"", ""}));

TEST(Windows1251EncodingOrder, TextAfterAnUnencodableCharacterIsStillEncoded) {
    EXPECT_EQ(toWindows1251(QStringLiteral("😀")), QByteArray("&#128512;"));
    EXPECT_EQ(toWindows1251(QStringLiteral("<html>Список")),
              QByteArray("<html>\xD1\xEF\xE8\xF1\xEE\xEA"));
    EXPECT_EQ(toWindows1251(QStringLiteral("中я")), QByteArray("&#20013;\xFF"));
    EXPECT_EQ(toWindows1251(QStringLiteral("я")), QByteArray("\xFF"));
}

TEST(PageTextLines, EveryLineEndsWithCrLfTheLastToo) {
    PageText page;
    page.line(QStringLiteral("<html>"));
    page.line(QString());
    page.line(QStringLiteral(" "));
    EXPECT_EQ(page.bytes(), QByteArray("<html>\r\n\r\n \r\n"));
    EXPECT_EQ(page.lineCount(), 3);
}

TEST(PageTextLines, EmbeddedLineBreaksOfAnyKindBecomeCrLfLines) {
    PageText page;
    page.line(QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(page.bytes(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(page.lineCount(), 4);

    PageText trailing;
    trailing.line(QStringLiteral("x\n"));
    EXPECT_EQ(trailing.bytes(), QByteArray("x\r\n\r\n"));
    EXPECT_EQ(trailing.lineCount(), 2);
}

} // namespace
