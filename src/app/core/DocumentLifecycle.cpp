#include "app/core/DocumentLifecycle.h"

#include "app/core/AskToSave.h"
#include "app/core/DocumentMessages.h"
#include "app/core/RecentFiles.h"
#include "document/DesignerDocument.h"
#include "project/ProjectStorage.h"
#include "prompt/Prompter.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

DocumentLifecycle::DocumentLifecycle(DesignerDocument &document, Prompter &prompter, Hooks hooks)
    : m_document(document), m_prompter(prompter), m_hooks(std::move(hooks))
{
}

QString DocumentLifecycle::askToSave(bool systemModal)
{
    // Every edit is on the undo stack: a project back at its saved state has nothing to lose.
    if (!m_document.isModified())
        return AskToSave::notSaved();
    return AskToSave::ask(m_prompter, m_document.path(), systemModal, [this] { return save(); });
}

bool DocumentLifecycle::goOn()
{
    return askToSave() != AskToSave::cancelled();
}

bool DocumentLifecycle::save()
{
    if (m_document.path().isEmpty())
        return saveAs();
    return saveTo(m_document.path());
}

bool DocumentLifecycle::saveAs(const QString &caption)
{
    const QString target = m_prompter.saveFile(DocumentMessages::saveAs(caption));
    if (target.isEmpty())
        return false;
    return saveTo(target);
}

bool DocumentLifecycle::saveTo(const QString &target)
{
    const ZepError error = m_document.save(target);
    if (error.isError())
        m_prompter.message(ProjectStorage::saveFailure(error));
    return !error.isError();
}

void DocumentLifecycle::newBlank()
{
    if (goOn())
        m_document.reset();
}

void DocumentLifecycle::newWithWizard()
{
    if (!goOn())
        return;
    m_document.reset();
    if (m_hooks.openWizard)
        m_hooks.openWizard();
}

void DocumentLifecycle::open(const QString &caption)
{
    if (!goOn())
        return;
    const QString path = m_prompter.openFile(DocumentMessages::open(caption));
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_document.open(path);
}

void DocumentLifecycle::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_prompter.message(RecentFiles::missingFileMessage(path));
        return;
    }
    if (goOn())
        m_document.open(path);
}

void DocumentLifecycle::refresh()
{
    if (m_document.path().isEmpty()) {
        m_prompter.message(DocumentMessages::notSaved());
        return;
    }
    if (goOn())
        m_document.open(m_document.path());
}

void DocumentLifecycle::showSource()
{
    if (m_document.path().isEmpty()) {
        m_prompter.message(DocumentMessages::notSaved());
        return;
    }
    if (!goOn())
        return;
    m_prompter.message(DocumentMessages::sourceNotice());
    if (m_hooks.openInTextEditor)
        m_hooks.openInTextEditor(m_document.path());
}

bool DocumentLifecycle::quit()
{
    if (m_hooks.wizardOpen && m_hooks.wizardOpen()) {
        m_prompter.message(DocumentMessages::closeWizardFirst());
        return false;
    }
    if (!goOn())
        return false;
    if (m_hooks.shutDown)
        m_hooks.shutDown();
    return true;
}
