#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Modal dialogs and message boxes. Each call returns when the user has closed the dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A warning message box (exclamation icon, OK button).
    virtual void warning(QWidget* owner, const QString& title, const QString& text) = 0;
    // A plain message box (no icon, OK button).
    virtual void information(QWidget* owner, const QString& title, const QString& text) = 0;
    // A question box (question icon, Yes and No buttons, Yes the default unless `defaultNo`);
    // true for Yes.
    virtual bool question(QWidget* owner, const QString& title, const QString& text, bool defaultNo = false) = 0;
    // A question box with the buttons `choices` (the first the default) and a 取消 button; the
    // index of the button pressed, -1 for 取消 or a closed box.
    virtual int choose(QWidget* owner, const QString& title, const QString& text, const QStringList& choices) = 0;
    // A single-line input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(QWidget* owner, const QString& title, const QString& prompt,
                                             const QString& preset) = 0;
    // The colour chooser, opened on black; the chosen colour as 0x00BBGGRR, nullopt when cancelled.
    virtual std::optional<int> chooseColor(QWidget* owner) = 0;
    // The file chooser for an existing file, opened in startDir; `filter` is "description
    // (patterns)", patterns matched without regard to letter case. nullopt when cancelled.
    virtual std::optional<QString> openFile(QWidget* owner, const QString& title, const QString& startDir,
                                            const QString& filter) = 0;
};

class QtDialogs final : public Dialogs {
public:
    void warning(QWidget* owner, const QString& title, const QString& text) override;
    void information(QWidget* owner, const QString& title, const QString& text) override;
    bool question(QWidget* owner, const QString& title, const QString& text, bool defaultNo = false) override;
    int choose(QWidget* owner, const QString& title, const QString& text, const QStringList& choices) override;
    std::optional<QString> inputText(QWidget* owner, const QString& title, const QString& prompt,
                                     const QString& preset) override;
    std::optional<int> chooseColor(QWidget* owner) override;
    std::optional<QString> openFile(QWidget* owner, const QString& title, const QString& startDir,
                                    const QString& filter) override;
};
