// Presses and releases keys through kwin's fake-input protocol, as a keyboard would: each
// argument is an evdev key code. Exits 1 when kwin does not offer the interface.
#include "fake-input-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

static struct org_kde_kwin_fake_input* fake;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

int main(int argc, char** argv)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display)
        return 1;
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!fake) {
        fprintf(stderr, "presskey: no org_kde_kwin_fake_input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake, "presskey", "Horalto's test presses keys");
    for (int i = 1; i < argc; ++i) {
        org_kde_kwin_fake_input_keyboard_key(fake, (uint32_t)atoi(argv[i]), WL_KEYBOARD_KEY_STATE_PRESSED);
        wl_display_roundtrip(display);
        org_kde_kwin_fake_input_keyboard_key(fake, (uint32_t)atoi(argv[i]), WL_KEYBOARD_KEY_STATE_RELEASED);
        wl_display_roundtrip(display);
    }
    wl_display_disconnect(display);
    return 0;
}
