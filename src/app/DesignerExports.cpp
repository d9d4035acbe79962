#include "app/DesignerExports.h"

#include "app/AppearanceApplier.h"
#include "build/HtmlExport.h"
#include "build/MenuPicture.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "project/ProjectStorage.h"
#include "project/QmbConversion.h"
#include "project/gui/FilePropertiesDialog.h"

#include <QApplication>

DesignerExports::DesignerExports(DesignerDocument &document, Prompter &prompter, QString programFolder)
    : m_document(document), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_qmb(std::make_unique<QmbConversion>(prompter, m_programFolder))
{
    m_document.storage().setQmbConverter(m_qmb.get());
}

DesignerExports::~DesignerExports()
{
    m_document.storage().setQmbConverter(nullptr);
}

void DesignerExports::compileHtml()
{
    HtmlExport(m_document.project(), m_prompter).run();
}

QImage DesignerExports::capture() const
{
    MenuPicture picture(m_document.project(), m_document.folder(), m_windows.worksheet->twipsPerPixel());
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
    FilePropertiesDialog dialog(m_document.project(),
                                [this](const AuthorInfo &author) { m_document.setAuthorInfo(author); },
                                m_windows.main);
    dialog.setWindowIcon(m_windows.main->windowIcon());
    dialog.exec();
}
