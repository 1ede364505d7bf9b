#pragma once
#include <QString>

// Where the program lives (the directory that holds the executable, no trailing separator),
// whether it may create files there, and the user's configuration folder.
class ProgramDir {
public:
    virtual ~ProgramDir() = default;
    virtual QString path() const = 0;
    // Whether the program keeps its files in its directory: it may create and replace files
    // there, and the directory is the user's own (see OwnProgramDir).
    virtual bool writable() const = 0;
    // The folder for the user's own configuration files ($XDG_CONFIG_HOME, else ~/.config);
    // empty when there is none.
    virtual QString configHome() const = 0;
};

// Whether a program directory (a canonical path) belongs to the user running the program, so
// that the program's files may live there: not an installed program's directory (under /usr
// or /opt, or owned by another user), whoever runs it, root included.
bool OwnProgramDir(const QString& dir, unsigned dirOwner, unsigned user);

class ExecutableDir final : public ProgramDir {
public:
    QString path() const override;
    bool writable() const override;
    QString configHome() const override;
};

// A fixed directory: the program directory of a test, writable or not as the test says, with
// the configuration folder it gives (none by default).
class FixedDir final : public ProgramDir {
public:
    explicit FixedDir(QString dir, QString configHome = {}, bool writable = true)
        : dir_(std::move(dir)), configHome_(std::move(configHome)), writable_(writable)
    {
    }
    QString path() const override { return dir_; }
    bool writable() const override { return writable_; }
    QString configHome() const override { return configHome_; }

private:
    QString dir_;
    QString configHome_;
    bool writable_;
};

// Ending the program with an exit status, from anywhere, without showing anything further.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int status) = 0;
};

// Leaves the event loop when it runs; before it runs, the start-up reports the status itself.
class QtProgramEnd final : public ProgramEnd {
public:
    void end(int status) override;
};
