#pragma once
#include "platform/LoadedModule.h"
#include "platform/sound/Sound.h"

// The sound output lives in a module beside the executable (horalto-sound.so, Qt Multimedia
// and its sound libraries), loaded on the first need: a start-up without it maps two dozen
// fewer libraries, which costs time and memory while the program only waits. The first start
// of a timing loads it (prepare), so the first prompt plays at once.
class LoadedSound final : public Sound {
public:
    static constexpr const char* kModuleName = "horalto-sound.so";

    // `modulePath`: the module file, normally ProgramDir + "/" + kModuleName.
    explicit LoadedSound(QString modulePath);
    ~LoadedSound() override;

    void play(const QString& path) override;
    void prepare() override;
    // Before the module is loaded the sounds are only noted: they are made ready once it is,
    // so that start-up neither loads the sound output nor starts a thread.
    void load(const QStringList& paths) override;
    // Whether the module is loaded and its sound output made (false before the first need,
    // and for good when the module could not be loaded).
    bool loaded() const { return module_.made() != nullptr; }

private:
    Sound* load();

    LoadedModule<Sound> module_;
    QStringList loaded_;
};
