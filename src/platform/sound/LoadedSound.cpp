#include "platform/sound/LoadedSound.h"

LoadedSound::LoadedSound(QString modulePath) : module_(std::move(modulePath), "HoraltoCreateSound", "no sound") {}

LoadedSound::~LoadedSound() = default;

Sound* LoadedSound::load()
{
    const bool first = !module_.tried();
    Sound* sound = module_.get();
    if (first && sound && !loaded_.isEmpty())
        sound->load(loaded_);
    return sound;
}

void LoadedSound::prepare()
{
    if (Sound* s = load())
        s->prepare();
}

void LoadedSound::load(const QStringList& paths)
{
    loaded_ = paths;
    if (Sound* sound = module_.made())
        sound->load(paths);
}

void LoadedSound::play(const QString& path)
{
    if (Sound* s = load())
        s->play(path);
}
