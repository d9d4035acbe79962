#include "app/core/DocumentLifecycle.h"

#include "app/core/AskToSave.h"
#include "app/core/DocumentMessages.h"
#include "app/core/RecentFiles.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "prompt/Prompter.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

DocumentLifecycle::DocumentLifecycle(MenuProject &project, ProjectStorage &storage, Prompter &prompter, Hooks hooks)
    : m_project(project), m_storage(storage), m_prompter(prompter), m_hooks(std::move(hooks))
{
}

QString DocumentLifecycle::askToSave(bool systemModal)
{
    return AskToSave::ask(m_prompter, m_project.path(), systemModal, [this] { return save(); });
}

bool DocumentLifecycle::goOn()
{
    return askToSave() != AskToSave::cancelled();
}

bool DocumentLifecycle::save()
{
    if (m_project.path().isEmpty())
        return saveAs();
    return m_storage.save(m_project.path());
}

bool DocumentLifecycle::saveAs(const QString &caption)
{
    const QString target = m_prompter.saveFile(DocumentMessages::saveAs(caption));
    if (target.isEmpty())
        return false;
    return m_storage.save(target);
}

void DocumentLifecycle::newBlank()
{
    if (goOn())
        m_project.reset();
}

void DocumentLifecycle::newWithWizard()
{
    if (!goOn())
        return;
    m_project.reset();
    if (m_hooks.openWizard)
        m_hooks.openWizard();
}

void DocumentLifecycle::open(const QString &caption)
{
    if (!goOn())
        return;
    const QString path = m_prompter.openFile(DocumentMessages::open(caption));
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_storage.open(path);
}

void DocumentLifecycle::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_prompter.message(RecentFiles::missingFileMessage(path));
        return;
    }
    if (goOn())
        m_storage.open(path);
}

void DocumentLifecycle::refresh()
{
    if (m_project.path().isEmpty()) {
        m_prompter.message(DocumentMessages::notSaved());
        return;
    }
    if (goOn())
        m_storage.open(m_project.path());
}

void DocumentLifecycle::showSource()
{
    if (m_project.path().isEmpty()) {
        m_prompter.message(DocumentMessages::notSaved());
        return;
    }
    if (!goOn())
        return;
    m_prompter.message(DocumentMessages::sourceNotice());
    if (m_hooks.openInTextEditor)
        m_hooks.openInTextEditor(m_project.path());
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
