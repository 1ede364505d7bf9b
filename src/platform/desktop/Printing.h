#pragma once
// The system's printers and the choice of where a PDF goes: the dialogs the user answers.
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

class Printing {
public:
    virtual ~Printing() = default;
    // The print dialog over `owner`; when the user prints, `draw` draws the pages on the chosen
    // printer. Whether it printed.
    virtual bool print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& draw) = 0;
    // The file chooser for a new PDF file, proposing `suggested`; nullopt when cancelled.
    virtual std::optional<QString> pdfFile(QWidget* owner, const QString& title, const QString& suggested) = 0;
};

// Qt Print Support's print dialog and Qt's save-file chooser.
class QtPrinting final : public Printing {
public:
    bool print(QWidget* owner, const std::function<void(QPagedPaintDevice&)>& draw) override;
    std::optional<QString> pdfFile(QWidget* owner, const QString& title, const QString& suggested) override;
};
