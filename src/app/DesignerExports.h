#pragma once

#include "app/core/Appearance.h"
#include "build/gui/PrintPreview.h"
#include "project/AuthorInfo.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class MenuProject;
class Prompter;
class ProjectStorage;
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

    DesignerExports(MenuProject &project, Prompter &prompter, QString programFolder);
    ~DesignerExports();

    // .qmb files opened by the designer go through the program folder's converter.
    void attach(ProjectStorage &storage);
    void setWindows(Windows windows) { m_windows = std::move(windows); }
    // Where an author edit goes; straight into the project by default.
    void setAuthorEditor(std::function<void(const AuthorInfo &)> edit) { m_editAuthor = std::move(edit); }
    void setAppearance(const Appearance &appearance) { m_appearance = appearance; }
    // Tests print to a file instead of asking for a printer.
    void setPrinterChoice(PrintPreview::PrinterChoice choice) { m_printerChoice = std::move(choice); }

    void compileHtml();
    void print(PrintPreview::Entry entry);
    void fileProperties();

    // The worksheet drawn from the model at its inner size.
    QImage capture() const;

private:
    MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    std::unique_ptr<QmbConversion> m_qmb;
    Windows m_windows{};
    std::function<void(const AuthorInfo &)> m_editAuthor;
    std::optional<Appearance> m_appearance;
    PrintPreview::PrinterChoice m_printerChoice;
};
