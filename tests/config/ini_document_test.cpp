#include "config/IniDocument.h"

#include <gtest/gtest.h>

namespace {

using V = std::optional<QByteArray>;

TEST(IniDocument, LinesAndNames)
{
    const IniDocument d(" k=before section\n"
                        "  [ Sec One ]  trailing\n"
                        "  key  =  v a l  \n"
                        ";c=comment\r\n"
                        "#h=hash\r\n"
                        "[broken=1\r\n"
                        "=nokey\r\n"
                        "eq=a=b\r\n"
                        "[\xCC]]\r\n" // a GBK name whose second byte is "]"
                        "k=gbk\r\n"
                        "[\x81" "A]\r\n"
                        "k=lead\r\n"
                        "[S]\r\n"
                        "last=x");
    EXPECT_EQ(d.value("sec one", "KEY"), V("v a l"));
    EXPECT_EQ(d.value(" Sec One ", " key "), V("v a l"));
    EXPECT_EQ(d.value("Sec One", "eq"), V("a=b"));
    EXPECT_EQ(d.value("Sec One", ";c"), std::nullopt);
    EXPECT_EQ(d.value("Sec One", "#h"), std::nullopt);
    EXPECT_EQ(d.value("Sec One", ""), std::nullopt);
    EXPECT_EQ(d.value("broken", "k"), std::nullopt);
    EXPECT_EQ(d.value("", "k"), std::nullopt);
    EXPECT_EQ(d.value("\xCC]", "k"), V("gbk"));
    EXPECT_EQ(d.value("\x81" "A", "k"), V("lead"));
    EXPECT_EQ(d.value("\x81" "a", "k"), std::nullopt); // second byte of a pair is no letter
    EXPECT_EQ(d.value("S", "last"), V("x"));
}

TEST(IniDocument, NewKeysGoAfterTheLastEntryOfTheirSection)
{
    const QByteArray src = "[A]\r\na=1\r\n; note\r\nb=2\r\n\r\n; about B\r\n[B]\n\n[C]";
    EXPECT_EQ(IniDocument(src).withValue("a", "c", " 3 "),
              "[A]\r\na=1\r\n; note\r\nb=2\r\nc=3\r\n\r\n; about B\r\n[B]\n\n[C]");
    EXPECT_EQ(IniDocument(src).withValue("B", "x", "y"),
              "[A]\r\na=1\r\n; note\r\nb=2\r\n\r\n; about B\r\n[B]\nx=y\r\n\n[C]");
    EXPECT_EQ(IniDocument(src).withValue("C", "x", "y"), src + "\r\nx=y\r\n");
    EXPECT_EQ(IniDocument(src).withValue("D", "x", "y"), src + "\r\n[D]\r\nx=y\r\n");
    EXPECT_EQ(IniDocument("").withValue(" D ", " x ", "y"), "[D]\r\nx=y\r\n");
}

TEST(IniDocument, ReplacementKeepsSpellingAndLineEnd)
{
    const QByteArray src = "[A]\n  Key = old \nkey=second\n[A]\nkey=third\n";
    const QByteArray out = IniDocument(src).withValue("a", "KEY", "new\r\nx=injected");
    EXPECT_EQ(out, "[A]\nKey=new\nkey=second\n[A]\nkey=third\n");
    EXPECT_EQ(IniDocument(out).withValue("a", "KEY", "new"), out);
}

TEST(IniDocument, UnusableNamesChangeNothing)
{
    const QByteArray src = "[A]\r\na=1\r\n";
    for (const char* key : {"", "  ", "a=b", ";a", "#a", "[a", "a\nb"})
        EXPECT_EQ(IniDocument(src).withValue("A", key, "v"), src) << key;
    for (const char* section : {"", " ", "A\rB"})
        EXPECT_EQ(IniDocument(src).withValue(section, "a", "v"), src) << section;
    // Odd but readable names work.
    const QByteArray out = IniDocument(src).withValue("x]y", "k[", "v");
    EXPECT_EQ(IniDocument(out).value("X]Y", "K["), V("v"));
}

} // namespace
