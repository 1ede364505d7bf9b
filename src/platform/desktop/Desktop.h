#pragma once
#include <QString>

// The desktop's services for the records: its file manager and its clipboard.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Shows the folder in the desktop's file manager (created first when missing); false when
    // nothing could open it.
    virtual bool openFolder(const QString& dir) = 0;
    // Puts plain text on the clipboard.
    virtual void copyText(const QString& text) = 0;
    // The plain text on the clipboard (empty when it holds none).
    virtual QString pastedText() = 0;
};

class QtDesktop final : public Desktop {
public:
    bool openFolder(const QString& dir) override;
    void copyText(const QString& text) override;
    QString pastedText() override;
};
