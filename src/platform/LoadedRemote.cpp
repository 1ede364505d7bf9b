#include "platform/LoadedRemote.h"

#include <QCoreApplication>

LoadedRemote::LoadedRemote(QString modulePath)
    : module_(std::move(modulePath), "HoraltoCreateRemoteServer", "no timing page")
{
}

LoadedRemote::~LoadedRemote() = default;

QString LoadedRemote::start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands,
                           const QString& address)
{
    if (RemoteServer* s = module_.get())
        return s->start(port, controlKey, commands, address);
    return QCoreApplication::translate("LoadedRemote", "找不到远程显示模块 %1").arg(QLatin1String(kModuleName));
}

void LoadedRemote::stop()
{
    if (RemoteServer* s = module_.made())
        s->stop();
}

bool LoadedRemote::serving() const
{
    const RemoteServer* s = module_.made();
    return s && s->serving();
}

void LoadedRemote::setControlKey(const QByteArray& key)
{
    if (RemoteServer* s = module_.made())
        s->setControlKey(key);
}

void LoadedRemote::publish(const RemoteState& state)
{
    if (RemoteServer* s = module_.made())
        s->publish(state);
}

void LoadedRemote::setTexts(const QString& language, const QMap<QString, QString>& texts)
{
    if (RemoteServer* s = module_.made())
        s->setTexts(language, texts);
}

QStringList LoadedRemote::addresses()
{
    RemoteServer* s = module_.get();
    return s ? s->addresses() : QStringList();
}

QImage LoadedRemote::qrCode(const QString& text)
{
    RemoteServer* s = module_.get();
    return s ? s->qrCode(text) : QImage();
}
