#pragma once
#include "platform/LoadedModule.h"
#include "platform/sound/Sound.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QThread;

// The sound output lives in a module beside the executable (horalto-sound.so, Qt Multimedia
// and its sound libraries), loaded on the first need: a start-up without it maps two dozen
// fewer libraries, which costs time and memory while the program only waits. Once the main
// window shows, prepareAhead() loads it and connects to the sound server on a thread of its own,
// so that a sound server slow to answer holds up neither a start nor the tick.
class LoadedSound final : public Sound {
public:
#ifdef _WIN32
    static constexpr const char* kModuleName = "horalto-sound.dll";
#else
    static constexpr const char* kModuleName = "horalto-sound.so";
#endif

    // `modulePath`: the module file, normally ProgramDir + "/" + kModuleName.
    explicit LoadedSound(QString modulePath);
    ~LoadedSound() override;

    // While the preparation ahead is under way, a sound waits for it (the last one asked for).
    void play(const QString& path) override;
    // Loads the module and connects to the sound server, waiting for both; nothing once the
    // preparation ahead has begun.
    void prepare() override;
    // Before the module is loaded the sounds are only noted: they are made ready once it is,
    // so that start-up neither loads the sound output nor starts a thread.
    void load(const QStringList& paths) override;
    // Before the module is loaded nothing is known; a module that cannot be loaded plays nothing.
    bool outputAvailable() override;
    // Starts loading the module and connecting to the sound server on a thread of its own and
    // returns at once. The thread stays for the connection's own events.
    void prepareAhead();
    // Whether the module is loaded and its sound output made (false before the first need,
    // and for good when the module could not be loaded).
    bool loaded() const { return module_.made() != nullptr; }

private:
    Sound* load();
    void preparedAhead();

    QString path_;
    LoadedModule<Sound> module_;
    QStringList loaded_;
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<QObject> worker_; // lives on thread_
    QObject receiver_;                // the answer from thread_ arrives through it
    bool ahead_ = false;     // prepareAhead() has begun
    bool preparing_ = false; // and has not ended yet
    std::optional<QString> waiting_;
};
