#pragma once

#include "app/DesignerSession.h"

#include <QStringList>

#include <memory>

class FrameWatcher;

// The designer's entry point: command line, maintenance mode, screen check, windows
// created and laid out around the worksheet, first-run files, windows shown.
class DesignerStartup
{
public:
    explicit DesignerStartup(DesignerSession::Environment environment);
    ~DesignerStartup();

    // Returns false when the program must end now (maintenance mode, too small a screen).
    bool start(const QStringList &arguments);
    DesignerSession *session() const { return m_session.get(); }

private:
    void layOutWindows(double screenWidthTwips);
    void placeWindows();

    DesignerSession::Environment m_env;
    std::unique_ptr<DesignerSession> m_session;
    std::unique_ptr<FrameWatcher> m_frames;
};
