#pragma once
// The qualifying window of a scheme and the judge of a timing against it.
#include <QString>
#include <cstdint>
#include <optional>

class ConfigFile;

struct QualifyWindow {
    std::optional<std::int32_t> min; // seconds; none: no lower bound
    std::optional<std::int32_t> max; // none: no upper bound
    bool Empty() const { return !min && !max; }
};

// The words of a judged time as records.csv and programme.csv keep them (the same in every
// language; shown through QualifyShown).
inline constexpr char kQualifyShort[] = "不足时";
inline constexpr char kQualifyOver[] = "超时";
inline constexpr char kQualifyPassed[] = "合格";

// The whole time a speaker spoke judged against `window`: below its minimum kQualifyShort, above
// its maximum kQualifyOver, else kQualifyPassed; empty without a window.
QString QualifyResult(std::int32_t seconds, const QualifyWindow& window);
// A kept result in the interface's language; any other text as it is.
QString QualifyShown(const QString& stored);

// "HH:MM:SS" (hours up to 99) to seconds; none for an empty or malformed text.
std::optional<std::int32_t> QualifyBound(const QString& text);
// The window of `scheme` (1..5) as config.ini keeps it (QualifyMin, QualifyMax in COMMSET<n>),
// read without writing anything.
QualifyWindow ReadQualifyWindow(const ConfigFile& config, int scheme);
