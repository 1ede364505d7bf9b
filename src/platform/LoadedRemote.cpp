#include "platform/LoadedRemote.h"

#include <cstdio>

// The one function the module exports: a new page server, owned by the caller.
using CreateRemoteServer = RemoteServer* (*)();

LoadedRemote::LoadedRemote(QString modulePath) : module_(std::move(modulePath)) {}

// The server goes first (its connections close); the module stays mapped until the process ends.
LoadedRemote::~LoadedRemote() = default;

RemoteServer* LoadedRemote::load()
{
    if (tried_)
        return server_.get();
    tried_ = true;
    const auto create = reinterpret_cast<CreateRemoteServer>(module_.resolve("HoraltoCreateRemoteServer"));
    if (!create) {
        std::fprintf(stderr, "Horalto: no timing page: %s\n", qPrintable(module_.errorString()));
        return nullptr;
    }
    server_.reset(create());
    return server_.get();
}

QString LoadedRemote::start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands)
{
    if (RemoteServer* s = load())
        return s->start(port, controlKey, commands);
    return QStringLiteral("找不到远程显示模块 %1").arg(QLatin1String(kModuleName));
}

void LoadedRemote::stop()
{
    if (server_)
        server_->stop();
}

bool LoadedRemote::serving() const
{
    return server_ && server_->serving();
}

void LoadedRemote::setControlKey(const QByteArray& key)
{
    if (server_)
        server_->setControlKey(key);
}

void LoadedRemote::publish(const RemoteState& state)
{
    if (server_)
        server_->publish(state);
}

QStringList LoadedRemote::addresses()
{
    RemoteServer* s = load();
    return s ? s->addresses() : QStringList();
}

QImage LoadedRemote::qrCode(const QString& text)
{
    RemoteServer* s = load();
    return s ? s->qrCode(text) : QImage();
}
