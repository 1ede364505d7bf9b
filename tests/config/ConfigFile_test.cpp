#include "config/ConfigFile.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    FakeWorld w;
    ConfigFile ini{w.dir};

    void writeBytes(const QByteArray& b) const
    {
        QFile f(w.iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }
};

TEST_F(ConfigFileTest, PathIsConfigIniInTheProgramDirectory)
{
    EXPECT_EQ(ini.ConfigFilePath(), w.tmp.path() + "/config.ini");
}

TEST_F(ConfigFileTest, AnExistingFileNamedInOtherCaseIsTheOneUsed)
{
    QFile f(w.path("Config.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[FangAnSelect]\r\nJsFangAnId=3\r\n");
    f.close();

    EXPECT_EQ(ini.ConfigFilePath(), w.path("Config.ini"));
    EXPECT_EQ(ini.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "3");
    ini.WriteIniText("FangAnSelect", "JsFangAnId", "4");
    EXPECT_FALSE(QFileInfo::exists(w.iniPath()));
    EXPECT_EQ(ini.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "4");
}

TEST_F(ConfigFileTest, ExactNameWinsWhenBothSpellingsExist)
{
    w.writeIni({"[A]", "k=lower"});
    QFile f(w.path("CONFIG.INI"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[A]\r\nk=upper\r\n");
    f.close();
    EXPECT_EQ(ini.ReadIniText("A", "k", "x"), "lower");
}

TEST_F(ConfigFileTest, MissingFileIsCreatedWithTheDefault)
{
    EXPECT_EQ(ini.ReadIniText("FangAnSelect", "JsFangAnId", "1"), "1");
    EXPECT_EQ(w.iniBytes(), QByteArray("[FangAnSelect]\r\nJsFangAnId=1\r\n"));
}

TEST_F(ConfigFileTest, ReadsBuildTheFileSectionBySection)
{
    ini.ReadIniText("FangAnSelect", "JsFangAnId", "1");
    ini.ReadIniText("JSSET1", "JSHH", "00");
    ini.ReadIniText("JSSET1", "JSMM", "00");
    ini.ReadIniText("JSSET1", "JSSS", "30");
    ini.ReadIniText("FangAnSelect", "Other", "x");
    EXPECT_EQ(w.iniLines(), (QStringList{"[FangAnSelect]", "JsFangAnId=1", "Other=x", "",
                                         "[JSSET1]", "JSHH=00", "JSMM=00", "JSSS=30"}));
    EXPECT_EQ(ini.ReadIniText("JSSET1", "JSSS", "99"), "30");
}

TEST_F(ConfigFileTest, EmptyValueReadsAsDefaultAndIsFilledIn)
{
    w.writeIni({"[JSSET1]", "JSHH=01", "JSSS=", "JSMM=02"});
    EXPECT_EQ(ini.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET1]", "JSHH=01", "JSSS=30", "JSMM=02"}));
}

TEST_F(ConfigFileTest, BlankOnlyValueCountsAsEmpty)
{
    w.writeIni({"[JSSET1]", "JSSS=   "});
    EXPECT_EQ(ini.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET1]", "JSSS=30"}));
}

TEST_F(ConfigFileTest, PresentValueIsReturnedAndNothingWritten)
{
    w.writeIni({"[JSSET1]", "JSHH=5"});
    const QByteArray before = w.iniBytes();
    EXPECT_EQ(ini.ReadIniText("JSSET1", "JSHH", "00"), "5");
    EXPECT_EQ(w.iniBytes(), before);
}

TEST_F(ConfigFileTest, NamesMatchWithoutRegardToCaseAndBlanks)
{
    w.writeIni({"  [ jsset2 ]  ", "  jshh  =  07  "});
    EXPECT_EQ(ini.ReadIniText("JSSET2", "JSHH", "00"), "07");
}

TEST_F(ConfigFileTest, NumberBeforeTheWordIsADifferentSection)
{
    w.writeIni({"[2JSSET]", "JSHH=07"});
    EXPECT_EQ(ini.ReadIniText("JSSET2", "JSHH", "00"), "00");
}

TEST_F(ConfigFileTest, FirstOccurrenceOfSectionAndKeyWins)
{
    w.writeIni({"[A]", "k=1", "K=2", "[a]", "k=3", "j=4"});
    EXPECT_EQ(ini.ReadIniText("A", "k", "x"), "1");
    // A key only in the second section of the same name is not seen.
    EXPECT_EQ(ini.ReadIniText("A", "j", "x"), "x");
    ini.WriteIniText("A", "k", "9");
    EXPECT_EQ(w.iniLines(), (QStringList{"[A]", "k=9", "K=2", "j=x", "[a]", "k=3", "j=4"}));
}

TEST_F(ConfigFileTest, LinesWithoutEqualsAreIgnoredAndKept)
{
    w.writeIni({"; a comment", "stray=before any section", "[A]", "just text", "k=1"});
    EXPECT_EQ(ini.ReadIniText("A", "just text", "d"), "d");
    EXPECT_EQ(ini.ReadIniText("A", "stray", "d"), "d");
    EXPECT_EQ(w.iniLines(), (QStringList{"; a comment", "stray=before any section", "[A]", "just text",
                                         "k=1", "just text=d", "stray=d"}));
}

TEST_F(ConfigFileTest, ValueKeepsEverythingAfterTheFirstEquals)
{
    w.writeIni({"[A]", "k=a=b ; c"});
    EXPECT_EQ(ini.ReadIniText("A", "k", "x"), "a=b ; c");
}

TEST_F(ConfigFileTest, LongValueIsCutTo143Bytes)
{
    const QString v(200, QChar('x'));
    w.writeIni({"[InfoTxtSet]", "ShowinfoTxt=" + v});
    EXPECT_EQ(ini.ReadIniText("InfoTxtSet", "ShowinfoTxt", "d"), v.left(143));
    // The file itself keeps the whole value.
    EXPECT_EQ(w.iniLines().at(1), "ShowinfoTxt=" + v);
}

TEST_F(ConfigFileTest, CutDoesNotSplitADoubleByteCharacter)
{
    // 142 ASCII bytes then a two-byte character: byte 143 would be its first half.
    const QString v = QString(142, QChar('x')) + QStringLiteral("音音");
    w.writeIni({"[A]", "k=" + v});
    EXPECT_EQ(ini.ReadIniText("A", "k", "d"), QString(142, QChar('x')));
    // 141 ASCII bytes: the character fits whole.
    const QString u = QString(141, QChar('x')) + QStringLiteral("音音");
    w.writeIni({"[A]", "k=" + u});
    EXPECT_EQ(ini.ReadIniText("A", "k", "d"), QString(141, QChar('x')) + QStringLiteral("音"));
}

TEST_F(ConfigFileTest, ValueStopsAtNul)
{
    writeBytes(QByteArray("[A]\r\nk=ab\0cd\r\n", 14));
    EXPECT_EQ(ini.ReadIniText("A", "k", "d"), "ab");
}

TEST_F(ConfigFileTest, ChineseTextIsStoredAsGbk)
{
    const QString path = w.tmp.path() + QStringLiteral("/wav/提示音.wav");
    EXPECT_EQ(ini.ReadIniText("WAVSET1", "TSWAV", path), path);
    const QByteArray bytes = w.iniBytes();
    EXPECT_TRUE(bytes.contains(QByteArray("\xCC\xE1\xCA\xBE\xD2\xF4.wav")));
    EXPECT_FALSE(bytes.contains(QStringLiteral("提示音").toUtf8()));
    EXPECT_EQ(ini.ReadIniText("WAVSET1", "TSWAV", "other"), path);
}

TEST_F(ConfigFileTest, GbkTrailBytesAreNotTakenForBracketsOrLetters)
{
    // GBK characters whose trail byte is ']' (0x81 0x5D) and 'a' (0x81 0x61).
    const QByteArray secWithBracket("\x81\x5D" "X");
    writeBytes("[" + secWithBracket + "]\r\nk=1\r\n[\x81\x61]\r\nk=2\r\n");
    const QString name1 = QStringDecoder("GBK").decode(secWithBracket);
    const QString name2 = QStringDecoder("GBK").decode(QByteArray("\x81\x61"));
    EXPECT_EQ(ini.ReadIniText(name1, "k", "d"), "1");
    EXPECT_EQ(ini.ReadIniText(name2, "k", "d"), "2");
    // The same lead byte with the upper-case letter as trail is another character.
    const QString name3 = QStringDecoder("GBK").decode(QByteArray("\x81\x41"));
    EXPECT_EQ(ini.ReadIniText(name3, "k", "d"), "d");
}

TEST_F(ConfigFileTest, ReadIniIntReturnsDefaultAndWritesNothing)
{
    EXPECT_EQ(ini.ReadIniInt("JSSET1", "JSFX", 0), 0);
    EXPECT_FALSE(QFileInfo::exists(w.iniPath()));
    w.writeIni({"[JSSET1]", "JSFX="});
    EXPECT_EQ(ini.ReadIniInt("JSSET1", "JSFX", 7), 7);
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET1]", "JSFX="}));
}

TEST_F(ConfigFileTest, ReadIniIntTakesLeadingDigits)
{
    w.writeIni({"[S]", "a= 1", "b=12abc", "c=abc", "d=-5", "e=32767", "f=007"});
    EXPECT_EQ(ini.ReadIniInt("S", "a", 9), 1);
    EXPECT_EQ(ini.ReadIniInt("S", "b", 9), 12);
    EXPECT_EQ(ini.ReadIniInt("S", "c", 9), 0);
    EXPECT_EQ(ini.ReadIniInt("S", "d", 9), 0);
    EXPECT_EQ(ini.ReadIniInt("S", "e", 9), 32767);
    EXPECT_EQ(ini.ReadIniInt("S", "f", 9), 7);
}

TEST_F(ConfigFileTest, ReadIniIntOverflowIsAConfigError)
{
    w.writeIni({"[S]", "a=32768", "b=99999999999999999999999"});
    EXPECT_THROW(ini.ReadIniInt("S", "a", 0), ConfigError);
    EXPECT_THROW(ini.ReadIniInt("S", "b", 0), ConfigError);
}

TEST_F(ConfigFileTest, WriteReplacesInPlaceAndKeepsOtherBytes)
{
    // Mixed line ends, odd spacing, a GBK comment and bytes that are not valid GBK.
    const QByteArray before = QByteArray("; \xB2\xE2\xCA\xD4\r\n[JSSET1]\r\n  JSHH = 01\r\nJSMM=02\n")
                              + QByteArray("junk \xFF\x80\r\n[TSSET1]\r\nTSHH1=00");
    writeBytes(before);
    ini.WriteIniText("jsset1", "jshh", "05");
    EXPECT_EQ(w.iniBytes(), QByteArray("; \xB2\xE2\xCA\xD4\r\n[JSSET1]\r\n  JSHH =05\r\nJSMM=02\n")
                                + QByteArray("junk \xFF\x80\r\n[TSSET1]\r\nTSHH1=00"));
}

TEST_F(ConfigFileTest, NewKeyGoesToTheEndOfItsSection)
{
    w.writeIni({"[A]", "x=1", "", "[B]", "y=2"});
    ini.WriteIniText("A", "z", "3");
    ini.WriteIniText("B", "w", "4");
    EXPECT_EQ(w.iniLines(), (QStringList{"[A]", "x=1", "z=3", "", "[B]", "y=2", "w=4"}));
}

TEST_F(ConfigFileTest, NewKeyInEmptySectionFollowsTheHeader)
{
    w.writeIni({"[A]", "", "[B]"});
    ini.WriteIniText("A", "k", "v");
    EXPECT_EQ(w.iniLines(), (QStringList{"[A]", "k=v", "", "[B]"}));
}

TEST_F(ConfigFileTest, NewSectionIsAppendedEvenWhenTheLastLineHasNoLineEnd)
{
    writeBytes("[A]\r\nx=1");
    ini.WriteIniText("B", "y", "2");
    EXPECT_EQ(w.iniBytes(), QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"));
    writeBytes("[A]\r\nx=1");
    ini.WriteIniText("A", "y", "2");
    EXPECT_EQ(w.iniBytes(), QByteArray("[A]\r\nx=1\r\ny=2\r\n"));
}

TEST_F(ConfigFileTest, WritingEmptyTextLeavesTheKeyWithoutValue)
{
    ini.WriteIniText("JSSET1", "JSSS", "45");
    ini.WriteIniText("JSSET1", "JSSS", "");
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET1]", "JSSS="}));
    EXPECT_EQ(ini.ReadIniText("JSSET1", "JSSS", "30"), "30");
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET1]", "JSSS=30"}));
}

TEST_F(ConfigFileTest, WriteIniIntWritesDecimal)
{
    ini.WriteIniInt("JSSET3", "JSFX", 1);
    ini.WriteIniInt("JSSET3", "Neg", -32768);
    EXPECT_EQ(w.iniLines(), (QStringList{"[JSSET3]", "JSFX=1", "Neg=-32768"}));
    EXPECT_EQ(ini.ReadIniInt("JSSET3", "JSFX", 0), 1);
}

TEST_F(ConfigFileTest, ChangesByHandAreSeenAtTheNextRead)
{
    w.writeIni({"[COMMSET1]", "DouDong=No"});
    EXPECT_EQ(ini.ReadIniText("COMMSET1", "DouDong", "No"), "No");
    w.writeIni({"[COMMSET1]", "DouDong=Yes"});
    EXPECT_EQ(ini.ReadIniText("COMMSET1", "DouDong", "No"), "Yes");
}

TEST_F(ConfigFileTest, UnwritableDirectoryPassesSilently)
{
    const QString sub = w.path("ro");
    ASSERT_TRUE(QDir().mkdir(sub));
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(sub).isWritable())
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    FixedDir dir(sub);
    ConfigFile ro(dir);
    EXPECT_EQ(ro.ReadIniText("A", "k", "d"), "d");
    EXPECT_NO_THROW(ro.WriteIniText("A", "k", "v"));
    EXPECT_EQ(ro.ReadIniInt("A", "n", 3), 3);
    EXPECT_FALSE(QFileInfo::exists(sub + "/config.ini"));
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ConfigFileTest, ReadOnlyFileKeepsItsContent)
{
    w.writeIni({"[A]", "k="});
    QFile::setPermissions(w.iniPath(), QFileDevice::ReadOwner);
    if (QFileInfo(w.iniPath()).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_EQ(ini.ReadIniText("A", "k", "d"), "d");
    EXPECT_EQ(w.iniLines(), (QStringList{"[A]", "k="}));
    QFile::setPermissions(w.iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(NumberedNames, WordFollowedByDecimalNumber)
{
    EXPECT_EQ(numbered("JSSET", 2), "JSSET2");
    EXPECT_EQ(numbered("TSHH", 5), "TSHH5");
    EXPECT_EQ(numbered("HotKeySetB", 11), "HotKeySetB11");
}

} // namespace
