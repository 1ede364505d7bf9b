#pragma once
#include <QString>

// Where the program lives (the directory that holds the executable, no trailing separator).
class ProgramDir {
public:
    virtual ~ProgramDir() = default;
    virtual QString path() const = 0;
};

class ExecutableDir final : public ProgramDir {
public:
    QString path() const override;
};

// A fixed directory: the program directory of a test.
class FixedDir final : public ProgramDir {
public:
    explicit FixedDir(QString dir) : dir_(std::move(dir)) {}
    QString path() const override { return dir_; }

private:
    QString dir_;
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
