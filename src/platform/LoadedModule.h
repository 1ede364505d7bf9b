#pragma once
#include <QLibrary>
#include <QString>
#include <cstdio>
#include <memory>

// An object made by a module beside the executable, which is loaded on the first need: the
// module exports one function, `entry`, that makes the object (the caller owns it). A module
// that cannot be loaded is said once on the standard error and not tried again. The object goes
// before the module; the module stays mapped until the process ends.
template <typename T>
class LoadedModule {
public:
    // `what` names the loss in the message ("no sound").
    LoadedModule(QString path, const char* entry, const char* what)
        : library_(std::move(path)), entry_(entry), what_(what)
    {
    }

    // The object, made by the first call; null when the module could not be loaded.
    T* get()
    {
        if (!tried_) {
            tried_ = true;
            using Create = T* (*)();
            if (const auto create = reinterpret_cast<Create>(library_.resolve(entry_)))
                object_.reset(create());
            else
                std::fprintf(stderr, "Horalto: %s: %s\n", what_, qPrintable(library_.errorString()));
        }
        return object_.get();
    }
    // The object if it has been made, without loading anything.
    T* made() const { return object_.get(); }
    bool tried() const { return tried_; }

private:
    QLibrary library_;
    const char* entry_;
    const char* what_;
    std::unique_ptr<T> object_;
    bool tried_ = false;
};
