#include "platform/sound/LoadedSound.h"

#include <QThread>

#include <utility>

LoadedSound::LoadedSound(QString modulePath)
    : path_(modulePath), module_(std::move(modulePath), "HoraltoCreateSound", "no sound")
{
}

LoadedSound::~LoadedSound()
{
    if (!thread_)
        return;
    thread_->quit();
    // A sound server that never answers keeps the thread in its connection: the process ends
    // without it.
    if (!thread_->wait(2000)) {
        (void)thread_.release();
        (void)worker_.release();
    }
}

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
    // Ahead, the connection was made on the thread: asking the sound output again here could
    // wait for the sound server.
    if (ahead_)
        return;
    if (Sound* s = load())
        s->prepare();
}

void LoadedSound::prepareAhead()
{
    if (ahead_ || module_.tried())
        return;
    ahead_ = preparing_ = true;
    thread_ = std::make_unique<QThread>();
    worker_ = std::make_unique<QObject>();
    worker_->moveToThread(thread_.get());
    thread_->start(QThread::LowPriority);
    QMetaObject::invokeMethod(worker_.get(), [this, path = path_] {
        // The module's own loading here makes the load on the GUI thread a look-up.
        QLibrary library(path);
        if (const auto connect = reinterpret_cast<void (*)()>(library.resolve("HoraltoConnectSound")))
            connect();
        QMetaObject::invokeMethod(&receiver_, [this] { preparedAhead(); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void LoadedSound::preparedAhead()
{
    preparing_ = false;
    load();
    if (waiting_)
        play(*std::exchange(waiting_, std::nullopt));
}

void LoadedSound::load(const QStringList& paths)
{
    loaded_ = paths;
    if (Sound* sound = module_.made())
        sound->load(paths);
}

bool LoadedSound::outputAvailable()
{
    if (!module_.tried())
        return true;
    Sound* sound = module_.made();
    return sound && sound->outputAvailable();
}

void LoadedSound::play(const QString& path)
{
    if (preparing_) {
        waiting_ = path;
        return;
    }
    if (Sound* s = load())
        s->play(path);
}
