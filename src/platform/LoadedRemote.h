#pragma once
#include "platform/LoadedModule.h"
#include "platform/RemoteServer.h"

// The page server lives in a module beside the executable (horalto-remote.so: Qt Network, Qt
// HttpServer, Qt WebSockets, libqrencode), loaded on the first need: with the page off the
// program maps none of it and opens no port.
class LoadedRemote final : public RemoteServer {
public:
#ifdef _WIN32
    static constexpr const char* kModuleName = "horalto-remote.dll";
#else
    static constexpr const char* kModuleName = "horalto-remote.so";
#endif

    // `modulePath`: the module file, normally ProgramDir + "/" + kModuleName.
    explicit LoadedRemote(QString modulePath);
    ~LoadedRemote() override;

    QString start(quint16 port, const QByteArray& controlKey, RemoteCommands& commands,
                  const QString& address = {}) override;
    void stop() override;
    bool serving() const override;
    void setControlKey(const QByteArray& key) override;
    void publish(const RemoteState& state) override;
    void setTexts(const QString& language, const QMap<QString, QString>& texts) override;
    QStringList addresses() override;
    QImage qrCode(const QString& text) override;

private:
    LoadedModule<RemoteServer> module_;
};
