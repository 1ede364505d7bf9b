// The judge of a timing against the scheme's qualifying window, and the window's bounds as
// config.ini keeps them.
#include "core/Qualify.h"

#include <gtest/gtest.h>

TEST(Qualify, TheWholeTimeJudgedAgainstEitherBound)
{
    using W = QualifyWindow;
    const struct {
        std::int32_t seconds;
        W window;
        const char* expected;
    } cases[] = {
        {269, {270, 450}, "不足时"}, {270, {270, 450}, "合格"}, {450, {270, 450}, "合格"},
        {451, {270, 450}, "超时"},   {0, {1, std::nullopt}, "不足时"}, {99999, {1, std::nullopt}, "合格"},
        {9, {std::nullopt, 8}, "超时"}, {0, {std::nullopt, 8}, "合格"},   {300, {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QualifyResult(c.seconds, c.window), QString::fromUtf8(c.expected)) << c.seconds;
}

TEST(Qualify, BoundsAreHoursMinutesSecondsOrNone)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> seconds;
    } cases[] = {{"00:04:30", 270}, {" 1:00:00 ", 3600}, {"99:59:59", 359999}, {"", std::nullopt},
                 {"04:30", std::nullopt}, {"00:60:00", std::nullopt}, {"00:04:3x", std::nullopt}, {"-0:04:30", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(QualifyBound(QString::fromUtf8(c.text)), c.seconds) << c.text;
}
