#include "app/OptionsController.h"

#include "app/MainMenus.h"

#include <QAction>

OptionsController::OptionsController(const QString &programFolder, MainMenus &menus, QObject *parent)
    : QObject(parent), m_file(programFolder), m_menus(menus)
{
    connect(m_menus.precisePointer, &QAction::toggled, this, &OptionsController::precisePointerChanged);
    connect(m_menus.mousePosition, &QAction::toggled, this, &OptionsController::mousePositionChanged);
    connect(m_menus.cornerMarkers, &QAction::toggled, this, &OptionsController::cornerMarkersChanged);
    for (QAction *a : {m_menus.precisePointer, m_menus.mousePosition, m_menus.cornerMarkers, m_menus.wizardAtStart,
                       m_menus.requireMultimediaFile})
        connect(a, &QAction::triggered, this, &OptionsController::clicked);
}

Options OptionsController::current() const
{
    Options o;
    o.precisePointer = m_menus.precisePointer->isChecked();
    o.mousePosition = m_menus.mousePosition->isChecked();
    o.cornerMarkers = m_menus.cornerMarkers->isChecked();
    o.appearance = m_appearance;
    o.wizardAtStart = m_menus.wizardAtStart->isChecked();
    o.requireMultimediaFile = m_menus.requireMultimediaFile->isChecked();
    return o;
}

void OptionsController::clicked()
{
    write();
}

void OptionsController::write()
{
    if (m_loading)
        return;
    if (const ZepError error = m_file.write(current()); error.isError())
        emit writeFailed(error);
}

bool OptionsController::read(bool startupProjectNamed, const Appearance &designed)
{
    Options start = current();
    start.appearance = designed;
    m_appearance = designed;
    if (!m_file.exists())
        return false;
    m_loading = true;
    const OptionsFile::Reading reading = m_file.read(start, startupProjectNamed);
    // Each entry goes to the opposite state, then its click turns it the wanted way and applies it.
    const auto turn = [](QAction *action, bool wanted) {
        action->setChecked(!wanted);
        action->trigger();
    };
    turn(m_menus.precisePointer, reading.options.precisePointer);
    turn(m_menus.mousePosition, reading.options.mousePosition);
    turn(m_menus.cornerMarkers, reading.options.cornerMarkers);
    if (reading.appearanceRead) {
        m_appearance = reading.options.appearance;
        emit appearanceRead(m_appearance);
    }
    m_menus.wizardAtStart->setChecked(reading.openWizard);
    m_menus.requireMultimediaFile->setChecked(reading.options.requireMultimediaFile);
    m_loading = false;
    return reading.openWizard;
}
