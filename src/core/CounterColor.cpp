#include "config/ConfigKeys.h"
#include "core/App.h"
#include "core/Colors.h"
#include "core/MainModule.h"

#include <QWidget>

void MainModule::PickCounterColor(QWidget* label, const QString& key)
{
    // The chooser opens on black with no colour preselected; cancelling changes nothing.
    const std::optional<int> chosen = app_.svc.dialogs.chooseColor(label->window());
    if (!chosen)
        return;
    SetForeColor(label, *chosen);
    app_.config.WriteIniText(Section(IniSection::ColorSet), key, QString::number(*chosen));
}
