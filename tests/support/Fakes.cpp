#include "support/Fakes.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>


std::optional<QString> FakeDialogs::inputText(QWidget*, const QString& title, const QString& prompt,
                                              const QString& preset)
{
    inputs.push_back({title, prompt, preset});
    if (inputAnswers.empty())
        return std::nullopt;
    auto a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
}

bool FakeDialogs::question(QWidget*, const QString& title, const QString& text, bool)
{
    questions.push_back({title, text});
    if (whileAsking)
        std::exchange(whileAsking, nullptr)();
    if (questionAnswers.empty())
        return false;
    const bool a = questionAnswers.front();
    questionAnswers.pop_front();
    return a;
}

int FakeDialogs::choose(QWidget*, const QString&, const QString& text, const QStringList& buttons)
{
    choices.push_back(QStringList{text} + buttons);
    if (choiceAnswers.empty())
        return -1;
    const int a = choiceAnswers.front();
    choiceAnswers.pop_front();
    return a;
}

std::optional<int> FakeDialogs::chooseColor(QWidget*)
{
    ++colorCalls;
    if (colorAnswers.empty())
        return std::nullopt;
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
}

std::optional<QString> FakeDialogs::openFile(QWidget*, const QString& title, const QString& startDir,
                                             const QString& filter)
{
    fileQuestions.push_back({title, startDir, filter});
    if (fileAnswers.empty())
        return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

bool FakeHotkeys::registerKey(int id, int modifiers, int virtualKey)
{
    log.push_back(QString("add %1 %2 %3").arg(id).arg(modifiers).arg(virtualKey));
    for (const auto& [rid, g] : refusedOnes)
        if (g.modifiers == modifiers && g.virtualKey == virtualKey)
            return false;
    for (const auto& [rid, g] : registered)
        if (rid != id && g.modifiers == modifiers && g.virtualKey == virtualKey)
            return false;
    if (virtualKey == 0)
        return false;
    registered[id] = {modifiers, virtualKey};
    return true;
}

void FakeHotkeys::unregisterKey(int id)
{
    log.push_back(QString("del %1").arg(id));
    registered.erase(id);
}


void FakeWorld::writeIni(const QStringList& lines) const
{
    QStringEncoder enc("GBK");
    QByteArray bytes = enc.encode(lines.join("\r\n") + "\r\n");
    QFile f(iniPath());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray FakeWorld::iniBytes() const
{
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList FakeWorld::iniLines() const
{
    QStringDecoder dec("GBK");
    QString text = dec.decode(iniBytes());
    QStringList lines = text.split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool FakePrinting::print(QWidget*, const std::function<void(QPagedPaintDevice&)>& draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        draw(writer);
    }
    printed << bytes;
    return true;
}
