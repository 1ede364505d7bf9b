// The commands that ask the user first (a colour, a title, the information text) and the
// scheme switch with its configuration error.
#include "app/App.h"
#include "config/ConfigKeys.h"
#include "core/TimeText.h"
#include "core/UserText.h"

#include <QCoreApplication>

void App::PickCounterColor(TimingSession::CounterView view, QWidget* owner)
{
    // The chooser opens on black with no colour preselected; cancelling changes nothing.
    if (const std::optional<int> chosen = svc.dialogs.chooseColor(owner))
        session.ChooseCounterColor(view, *chosen);
}

void App::EditTitle(QWidget* owner)
{
    // The box opens with the title shown; cancelling keeps it.
    const std::optional<QString> answer = svc.dialogs.inputText(
        owner, QStringLiteral("Horalto"), QCoreApplication::translate("UserChoices", "请在下面文本框中输入您需要显示的标题信息！"),
        session.TitleText);
    if (answer)
        session.SetTitleText(KeptText(*answer));
}

bool App::ExitConfirmed(QWidget* owner)
{
    return session.Phase() == TimingPhase::Idle ||
           svc.dialogs.question(owner, QStringLiteral("Horalto"),
                                QCoreApplication::translate("UserChoices", "正在计时，确定要退出吗？"), true);
}

void App::EditInfoText(QWidget* owner)
{
    const std::optional<QString> answer = svc.dialogs.inputText(
        owner, QStringLiteral("Horalto"), QCoreApplication::translate("UserChoices", "请在输入需要在全屏状态下显示的程序信息！"),
        ShownInfoText(DefaultInfoText()));
    session.SetInfoTextFrom(KeptText(answer.value_or(QString())));
}

void App::SwitchScheme(int index)
{
    try {
        session.SwitchScheme(index);
    } catch (const ConfigError&) {
        StartupConfigError();
    }
}

void App::StartupConfigError()
{
    svc.dialogs.warning(nullptr, QStringLiteral("Horalto"), ConfigErrorMessage());
    EndProgram(1);
}
