#pragma once
#include "windows/MainForm.h" // ImageButton

#include <QDialog>

class Control;

// The frame shared by the program's modal dialogs: a frameless, topmost window with its own
// title strip (Picture1) holding a caption label and a close picture (Image1).
// Pressing a mouse button on the body, the strip or its label moves the dialog; the close
// picture shows its normal, hover and pressed pictures and closes the dialog (reject) only when
// the left button, pressed on it, is released over it. Every way of closing runs Form_Unload once.
class FramedDialog : public QDialog {
    Q_OBJECT
public:
    // `width` and `height` in twips; `pictures` names the strip and close pictures
    // (":/images/<pictures>_title.png", "<pictures>_close_normal.png", ...).
    FramedDialog(QWidget* owner, int width, int height, const QString& caption, const QString& pictures);

    // Centred horizontally on the screen, its top at two fifths of the free height.
    void PlaceOnScreen();
    // The window title and the caption of the title strip.
    void SetCaption(const QString& caption);

    Control* Picture1 = nullptr;
    Control* CaptionLabel = nullptr;
    ImageButton Image1; // close

    void done(int result) override;

protected:
    // For a dialog that lays out its own strip, caption and close picture (with its pictures
    // loaded) and then hands them to UseFrame.
    FramedDialog(QWidget* owner, int width, int height, const QString& caption);
    // The frame's mouse behaviour on Picture1, CaptionLabel and Image1.
    void UseFrame();
    virtual void Form_Unload() {}
    // Every text again in the interface's language (QEvent::LanguageChange); the frame's own
    // texts are set before it runs.
    virtual void RetranslateUi() {}
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool unloaded_ = false;
    bool standardStrip_ = false; // the strip, caption and close picture laid out here
};
