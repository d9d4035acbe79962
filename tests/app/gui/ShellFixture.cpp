#include "ShellFixture.h"

#include "app/AppearanceEditor.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

ShellFixture::ShellFixture()
    : m_settings(m_user.filePath(u"settings.ini"_s))
{
}

ShellFixture::~ShellFixture()
{
    m_startup.reset();
    QApplication::processEvents();
}

bool ShellFixture::start(const QStringList &arguments)
{
    m_startup = std::make_unique<DesignerStartup>(DesignerSession::Environment{
        m_program.path(), m_settings, m_prompter, m_user.filePath(u"data"_s), m_user.filePath(u"config"_s)});
    return m_startup->start(arguments);
}

void ShellFixture::useBleu()
{
    MainWindow *main = session().mainWindow();
    main->menus().appearances->trigger();
    main->appearanceEditor().list()->setCurrentRow(1);
    main->appearanceEditor().load();
}

void ShellFixture::pollModal(const std::function<bool()> &found, QAction *action)
{
    // A designer shut down by an earlier test ended the application's loop, which
    // would end every modal loop at once; one turn of a new loop clears that.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();

    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (found()) {
            poll.stop();
            seen = true;
        }
    });
    poll.start(10);
    action->trigger();
    EXPECT_TRUE(seen);
}
