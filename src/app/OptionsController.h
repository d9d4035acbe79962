#pragma once

#include "app/core/Options.h"
#include "app/core/OptionsFile.h"

#include <QObject>

struct MainMenus;

// The five option entries of the "&Options" menu and the options file behind them.
class OptionsController : public QObject
{
    Q_OBJECT

public:
    OptionsController(const QString &programFolder, MainMenus &menus, QObject *parent = nullptr);

    // Reads the options file, turning each entry to its wanted state through its own
    // click action. Returns true when the wizard should open.
    bool read(bool startupProjectNamed, const Appearance &designed);
    void write();
    Options current() const;
    void setAppearance(const Appearance &appearance) { m_appearance = appearance; }
    const Appearance &appearance() const { return m_appearance; }
    bool isLoading() const { return m_loading; }

signals:
    void precisePointerChanged(bool on);
    void mousePositionChanged(bool on);
    void cornerMarkersChanged(bool on);
    void appearanceRead(const Appearance &appearance);
    // The options file could not be written.
    void writeFailed(const ZepError &error);

private:
    void clicked();

    OptionsFile m_file;
    MainMenus &m_menus;
    Appearance m_appearance;
    bool m_loading = false;
};
