#pragma once
#include <QObject>
#include <QString>
#include <functional>

class ConfigFile;
class QCheckBox;
class QLineEdit;
class QWidget;

// The settings dialog's row of a debate scheme: "辩论（双方计时）" and the two sides' names
// (empty: the default names, shown as the fields' placeholders). A scheme gains the keys only
// when the box is ticked or a name is given; a scheme that has them keeps them.
class DebateFields : public QObject {
    Q_OBJECT
public:
    DebateFields(QWidget* dialog, std::function<void()> changed);

    void Load(const ConfigFile& config, const QString& commSection);
    bool Write(const ConfigFile& config, const QString& commSection) const;
    // The row at `top` (twips), from `left` to `right`.
    void Place(int left, int top, int right, int height);
    void Retranslate();
    QCheckBox* Box() const { return box_; }
    QLineEdit* Name(int side) const { return side == 0 ? nameA_ : nameB_; }

private:
    QCheckBox* box_;
    QLineEdit* nameA_;
    QLineEdit* nameB_;
};
