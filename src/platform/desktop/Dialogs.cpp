#include "platform/desktop/Dialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

void QtDialogs::warning(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void QtDialogs::information(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtDialogs::question(QWidget* owner, const QString& title, const QString& text, bool defaultNo)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (defaultNo)
        box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtDialogs::choose(QWidget* owner, const QString& title, const QString& text, const QStringList& choices)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QList<QAbstractButton*> buttons;
    for (const QString& c : choices)
        buttons << box.addButton(c, QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("Dialogs", "取消"), QMessageBox::RejectRole);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

std::optional<QString> QtDialogs::inputText(QWidget* owner, const QString& title, const QString& prompt,
                                            const QString& preset)
{
    QInputDialog box(owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(preset);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<int> QtDialogs::chooseColor(QWidget* owner)
{
    QColorDialog box(Qt::black, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor c = box.selectedColor();
    return c.blue() * 65536 + c.green() * 256 + c.red();
}

std::optional<QString> QtDialogs::openFile(QWidget* owner, const QString& title, const QString& startDir,
                                           const QString& filter)
{
    // Qt's own dialog: its name filters match without regard to letter case ("*.Wav" lists
    // a.wav and B.WAV too), which the desktop's native choosers do not all do.
    QFileDialog box(owner, title, startDir, filter);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setFileMode(QFileDialog::ExistingFile);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return box.selectedFiles().first();
}
