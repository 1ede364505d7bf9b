// GIO's headers name struct members "signals": they come before any Qt header.
#include <gio/gio.h>

#include "platform/hotkeys/GioKeySettings.h"

#include <QByteArray>

namespace {
constexpr const char* kMediaKeys = "org.gnome.settings-daemon.plugins.media-keys";
constexpr const char* kCustom = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";
constexpr const char* kListKey = "custom-keybindings";
// The schemas whose keys the desktop's own shortcuts hold.
constexpr const char* kFixedSchemas[] = {kMediaKeys, "org.gnome.desktop.wm.keybindings", "org.gnome.shell.keybindings",
                                         "org.gnome.mutter.keybindings", "org.gnome.mutter.wayland.keybindings"};

GSettingsSchema* LookUp(const char* id)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
}

bool Installed(const char* id)
{
    GSettingsSchema* schema = LookUp(id);
    if (schema)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

QString Text(GSettings* settings, const char* key)
{
    gchar* value = g_settings_get_string(settings, key);
    const QString text = QString::fromUtf8(value);
    g_free(value);
    return text;
}

// Asks the session bus; nothing when it cannot be reached or the call fails.
GVariant* CallSessionBus(const char* service, const char* path, const char* interface, const char* method,
                         GVariant* args, const char* replyType, int timeoutMs)
{
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        g_clear_error(&error);
        if (args)
            g_variant_unref(g_variant_ref_sink(args));
        return nullptr;
    }
    GVariant* reply = g_dbus_connection_call_sync(bus, service, path, interface, method, args,
                                                  replyType ? G_VARIANT_TYPE(replyType) : nullptr,
                                                  G_DBUS_CALL_FLAGS_NONE, timeoutMs, nullptr, &error);
    g_clear_error(&error);
    g_object_unref(bus);
    return reply;
}
} // namespace

struct GioKeySettings::Impl {
    GSettings* list = nullptr; // the media-keys schema, once installed
    std::function<void()> changed;
    gulong handler = 0;

    GSettings* entry(const QString& path) const
    {
        return g_settings_new_with_path(kCustom, path.toUtf8().constData());
    }
    static void OnChanged(GSettings*, const gchar*, gpointer self)
    {
        auto* d = static_cast<Impl*>(self);
        if (d->changed)
            d->changed();
    }
};

GioKeySettings::GioKeySettings() : d_(std::make_unique<Impl>())
{
    if (Installed(kMediaKeys) && Installed(kCustom))
        d_->list = g_settings_new(kMediaKeys);
}

GioKeySettings::~GioKeySettings()
{
    if (d_->list) {
        if (d_->handler)
            g_signal_handler_disconnect(d_->list, d_->handler);
        g_object_unref(d_->list);
    }
}

bool GioKeySettings::installed() const
{
    return d_->list != nullptr;
}

bool GioKeySettings::available() const
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    if (!installed() || !desktops.contains(QLatin1String("GNOME"), Qt::CaseInsensitive))
        return false;
    GVariant* reply = CallSessionBus("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                     "NameHasOwner", g_variant_new("(s)", "org.gnome.SettingsDaemon.MediaKeys"), "(b)", 2000);
    if (!reply)
        return false;
    gboolean running = FALSE;
    g_variant_get(reply, "(b)", &running);
    g_variant_unref(reply);
    return running;
}

bool GioKeySettings::PortalHasGlobalShortcuts()
{
    GVariant* reply = CallSessionBus("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                                     "org.freedesktop.DBus.Properties", "Get",
                                     g_variant_new("(ss)", "org.freedesktop.portal.GlobalShortcuts", "version"), "(v)", 2000);
    if (reply)
        g_variant_unref(reply);
    return reply != nullptr;
}

std::vector<HeldKey> GioKeySettings::fixedKeys() const
{
    std::vector<HeldKey> held;
    for (const char* id : kFixedSchemas) {
        GSettingsSchema* schema = LookUp(id);
        if (!schema)
            continue;
        GSettings* settings = g_settings_new(id);
        gchar** keys = g_settings_schema_list_keys(schema);
        for (gchar** key = keys; *key; ++key) {
            GVariant* value = g_settings_get_value(settings, *key);
            const QString holder = QString::fromUtf8(id) + u' ' + QString::fromUtf8(*key);
            if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
                if (*g_variant_get_string(value, nullptr))
                    held.push_back({holder, QString::fromUtf8(g_variant_get_string(value, nullptr))});
            } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING_ARRAY)) {
                const gchar** accels = g_variant_get_strv(value, nullptr);
                for (const gchar** a = accels; *a; ++a)
                    held.push_back({holder, QString::fromUtf8(*a)});
                g_free(accels);
            }
            g_variant_unref(value);
        }
        g_strfreev(keys);
        g_object_unref(settings);
        g_settings_schema_unref(schema);
    }
    return held;
}

QStringList GioKeySettings::customPaths() const
{
    QStringList paths;
    if (!d_->list)
        return paths;
    gchar** list = g_settings_get_strv(d_->list, kListKey);
    for (gchar** p = list; *p; ++p)
        paths << QString::fromUtf8(*p);
    g_strfreev(list);
    return paths;
}

CustomShortcut GioKeySettings::custom(const QString& path) const
{
    if (!d_->list)
        return {path, {}, {}, {}};
    GSettings* s = d_->entry(path);
    CustomShortcut shortcut{path, Text(s, "name"), Text(s, "command"), Text(s, "binding")};
    g_object_unref(s);
    return shortcut;
}

void GioKeySettings::setCustomPaths(const QStringList& paths)
{
    if (!d_->list)
        return;
    std::vector<QByteArray> bytes;
    for (const QString& p : paths)
        bytes.push_back(p.toUtf8());
    std::vector<const gchar*> strv;
    for (const QByteArray& b : bytes)
        strv.push_back(b.constData());
    strv.push_back(nullptr);
    g_settings_set_strv(d_->list, kListKey, strv.data());
}

void GioKeySettings::writeCustom(const CustomShortcut& shortcut)
{
    if (!d_->list)
        return;
    GSettings* s = d_->entry(shortcut.path);
    g_settings_delay(s); // the three fields change together
    g_settings_set_string(s, "name", shortcut.name.toUtf8().constData());
    g_settings_set_string(s, "command", shortcut.command.toUtf8().constData());
    g_settings_set_string(s, "binding", shortcut.binding.toUtf8().constData());
    g_settings_apply(s);
    g_object_unref(s);
}

void GioKeySettings::resetCustom(const QString& path)
{
    if (!d_->list)
        return;
    GSettings* s = d_->entry(path);
    for (const char* key : {"name", "command", "binding"})
        g_settings_reset(s, key);
    g_object_unref(s);
}

void GioKeySettings::sync()
{
    g_settings_sync();
}

void GioKeySettings::watch(std::function<void()> changed)
{
    d_->changed = std::move(changed);
    if (d_->list && !d_->handler)
        d_->handler = g_signal_connect(d_->list, "changed::custom-keybindings", G_CALLBACK(&Impl::OnChanged), d_.get());
}
