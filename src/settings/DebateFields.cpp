#include "settings/DebateFields.h"

#include "config/ConfigFile.h"
#include "config/ConfigKeys.h"
#include "core/Twips.h"

#include <QCheckBox>
#include <QLineEdit>

DebateFields::DebateFields(QWidget* dialog, std::function<void()> changed)
    : QObject(dialog), box_(new QCheckBox(dialog)), nameA_(new QLineEdit(dialog)), nameB_(new QLineEdit(dialog))
{
    QPalette p = box_->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    box_->setPalette(p);
    connect(box_, &QCheckBox::toggled, this, [changed] { changed(); });
    for (QLineEdit* f : {nameA_, nameB_}) {
        QPalette q = f->palette();
        q.setColor(QPalette::Base, QColor(192, 255, 192));
        f->setPalette(q);
        f->setMaxLength(20);
        connect(f, &QLineEdit::textChanged, this, [changed] { changed(); });
    }
}

void DebateFields::Load(const ConfigFile& config, const QString& comm)
{
    box_->setChecked(config.PeekIniText(comm, IniKey::Debate).value_or(QString()) == QLatin1String("Yes"));
    nameA_->setText(config.PeekIniText(comm, IniKey::SideA).value_or(QString()));
    nameB_->setText(config.PeekIniText(comm, IniKey::SideB).value_or(QString()));
}

bool DebateFields::Write(const ConfigFile& config, const QString& comm) const
{
    // Only a key that is set, or that the file has already.
    if ((box_->isChecked() || config.PeekIniText(comm, IniKey::Debate))
        && !config.WriteIniText(comm, IniKey::Debate, box_->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No")))
        return false;
    for (auto [key, field] : {std::pair{IniKey::SideA, nameA_}, std::pair{IniKey::SideB, nameB_}})
        if ((!field->text().trimmed().isEmpty() || config.PeekIniText(comm, key))
            && !config.WriteIniText(comm, key, field->text().trimmed()))
            return false;
    return true;
}

void DebateFields::Place(int left, int top, int right, int height)
{
    const int boxWidth = box_->sizeHint().width() + Twips(60);
    box_->setGeometry(Twips(left), Twips(top), boxWidth, Twips(height));
    const int from = Twips(left) + boxWidth;
    const int each = (Twips(right) - from - Twips(90)) / 2;
    nameA_->setGeometry(from, Twips(top), each, Twips(height));
    nameB_->setGeometry(from + each + Twips(90), Twips(top), each, Twips(height));
}

void DebateFields::Retranslate()
{
    box_->setText(tr("辩论（双方计时）"));
    box_->setToolTip(tr("两方各有一个计时器，各用本方案的计时长度；“换方”把发言权交给另一方"));
    nameA_->setPlaceholderText(tr("正方"));
    nameB_->setPlaceholderText(tr("反方"));
    for (QLineEdit* f : {nameA_, nameB_})
        f->setToolTip(tr("这一方的名称，留空为“%1”").arg(f->placeholderText()));
}
