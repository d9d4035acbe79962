#include "app/DesignerExports.h"

#include "app/AppearanceApplier.h"
#include "build/HtmlExport.h"
#include "build/MenuPicture.h"
#include "common/PathText.h"
#include "designer/Worksheet.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/QmbConversion.h"
#include "project/gui/FilePropertiesDialog.h"

#include <QApplication>

DesignerExports::DesignerExports(MenuProject &project, Prompter &prompter, QString programFolder)
    : m_project(project), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_qmb(std::make_unique<QmbConversion>(prompter, m_programFolder)),
      m_editAuthor([this](const AuthorInfo &author) { m_project.setAuthor(author); })
{
}

DesignerExports::~DesignerExports() = default;

void DesignerExports::attach(ProjectStorage &storage)
{
    storage.setQmbConverter(m_qmb.get());
}

void DesignerExports::compileHtml()
{
    HtmlExport(m_project, m_prompter).run();
}

QImage DesignerExports::capture() const
{
    const QString folder = m_project.path().isEmpty() ? QString() : pathtext::folderOf(m_project.path());
    MenuPicture picture(m_project, folder, m_windows.worksheet->twipsPerPixel());
    picture.setClientSize(m_windows.worksheet->size());
    return picture.render();
}

void DesignerExports::print(PrintPreview::Entry entry)
{
    if (m_windows.prepareForBuild)
        m_windows.prepareForBuild();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PrintPreview preview(capture(), entry, m_prompter, m_programFolder + kCaptureFileName,
                         m_windows.worksheet->twipsPerPixel(), m_windows.main);
    preview.setWindowIcon(m_windows.main->windowIcon());
    if (m_printerChoice)
        preview.setPrinterChoice(m_printerChoice);
    if (m_appearance)
        appearanceapplier::apply(&preview, *m_appearance);
    preview.exec();
}

void DesignerExports::fileProperties()
{
    FilePropertiesDialog dialog(m_project, m_editAuthor, m_windows.main);
    dialog.setWindowIcon(m_windows.main->windowIcon());
    dialog.exec();
}
