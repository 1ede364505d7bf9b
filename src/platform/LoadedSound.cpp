#include "platform/LoadedSound.h"

#include <cstdio>

// The one function the sound module exports: a new sound output, owned by the caller.
using CreateSound = Sound* (*)();

LoadedSound::LoadedSound(QString modulePath) : module_(std::move(modulePath)) {}

// The sound output goes first; the module stays mapped until the process ends.
LoadedSound::~LoadedSound() = default;

Sound* LoadedSound::load()
{
    if (tried_)
        return sound_.get();
    tried_ = true;
    const auto create = reinterpret_cast<CreateSound>(module_.resolve("HoraltoCreateSound"));
    if (!create) {
        std::fprintf(stderr, "Horalto: no sound: %s\n", qPrintable(module_.errorString()));
        return nullptr;
    }
    sound_.reset(create());
    if (sound_ && !loaded_.isEmpty())
        sound_->load(loaded_);
    return sound_.get();
}

void LoadedSound::prepare()
{
    if (Sound* s = load())
        s->prepare();
}

void LoadedSound::load(const QStringList& paths)
{
    loaded_ = paths;
    if (sound_)
        sound_->load(paths);
}

void LoadedSound::play(const QString& path)
{
    if (Sound* s = load())
        s->play(path);
}
