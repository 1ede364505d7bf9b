#pragma once
#include <QString>
#include <QStringList>

// Finding and starting other programs.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // The full path of the program `name` (a plain file name) in the first directory of PATH
    // that holds it as an executable file; empty when none does. Only absolute directories of
    // PATH are searched, never the current directory.
    virtual QString findOnPath(const QString& name) const = 0;
    // Starts the program detached from this one, without a shell; false when it could not be
    // started.
    virtual bool startDetached(const QString& program, const QStringList& args) = 0;
};

class QtProgramStarter final : public ProgramStarter {
public:
    // `ownVariables`: environment variables this program set for itself at start-up (the
    // platform choices); a started program gets the user's environment without them.
    explicit QtProgramStarter(QStringList ownVariables = {}) : own_(std::move(ownVariables)) {}
    QString findOnPath(const QString& name) const override;
    bool startDetached(const QString& program, const QStringList& args) override;

private:
    QStringList own_;
};
