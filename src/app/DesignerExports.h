#pragma once

#include "app/core/Appearance.h"
#include "build/gui/PrintPreview.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DesignerDocument;
class Prompter;
class QmbConversion;
class Worksheet;

// The designer's exports and file facts: the HTML launcher, the QMB converter of the
// program folder, the printed or exported menu picture and the file properties.
class DesignerExports
{
public:
    static inline const QString kCaptureFileName = QStringLiteral("tmp_impression.bmp");

    struct Windows
    {
        QWidget *main;
        Worksheet *worksheet;
        std::function<void()> prepareForBuild;
    };

    // .qmb files the document opens go through the program folder's converter.
    DesignerExports(DesignerDocument &document, Prompter &prompter, QString programFolder);
    ~DesignerExports();

    void setWindows(Windows windows) { m_windows = std::move(windows); }
    void setAppearance(const Appearance &appearance) { m_appearance = appearance; }
    // Tests print to a file instead of asking for a printer.
    void setPrinterChoice(PrintPreview::PrinterChoice choice) { m_printerChoice = std::move(choice); }

    void compileHtml();
    void print(PrintPreview::Entry entry);
    void fileProperties();

    // The worksheet drawn from the model at its inner size.
    QImage capture() const;

private:
    DesignerDocument &m_document;
    Prompter &m_prompter;
    QString m_programFolder;
    std::unique_ptr<QmbConversion> m_qmb;
    Windows m_windows{};
    std::optional<Appearance> m_appearance;
    PrintPreview::PrinterChoice m_printerChoice;
};
