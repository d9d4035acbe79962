#include "app/DesignerExports.h"

#include "build/HtmlExport.h"
#include "project/ProjectStorage.h"
#include "project/QmbConversion.h"

DesignerExports::DesignerExports(MenuProject &project, Prompter &prompter, QString programFolder)
    : m_project(project), m_prompter(prompter), m_programFolder(std::move(programFolder)),
      m_qmb(std::make_unique<QmbConversion>(prompter, m_programFolder))
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
