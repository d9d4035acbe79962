#pragma once

#include "common/Twips.h"

#include <QDialog>
#include <QImage>

#include <functional>

class Prompter;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollBar;

// Form18, "Imprimer...": the captured menu picture, zoomable and scrollable, which is
// saved as a BMP, copied to the clipboard or printed at full size. The capture file
// it is given lives as long as the window.
class PrintPreview : public QDialog
{
    Q_OBJECT

public:
    // The "Imprimer" menu entry that opened the preview decides which button has the focus.
    enum class Entry { Bmp = 0, Clipboard = 1, Paper = 2 };
    // Sets up the printer; false when the user cancels.
    using PrinterChoice = std::function<bool(QPrinter &printer)>;

    static constexpr double kZoomStep = 0.95;
    static constexpr int kScrollStepTwips = 800;

    PrintPreview(const QImage &capture, Entry entry, Prompter &prompter, QString captureFile,
                 TwipsPerPixel twips = {}, QWidget *parent = nullptr);

    void setPrinterChoice(PrinterChoice choice) { m_printerChoice = std::move(choice); }

    const QImage &capture() const { return m_capture; }
    QSize shownSize() const;

    void print();
    void zoomIn();
    void zoomOut();
    void save();
    void copyToClipboard();
    void scrollHome();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *button(const QString &name, const QString &text, void (PrintPreview::*action)());
    void layOut();
    void placeImage();
    bool printOn(QPrinter &printer) const;

    QImage m_capture;
    Entry m_entry;
    Prompter &m_prompter;
    QString m_captureFile;
    TwipsPerPixel m_twips;
    double m_scale = 1.0;
    PrinterChoice m_printerChoice;

    QLabel *m_caption;
    QWidget *m_viewport;
    QLabel *m_image;
    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    QPushButton *m_corner;
    QList<QPushButton *> m_buttons;
};
