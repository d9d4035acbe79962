#include "player/qt/PlayerApplication.h"
#include "prompt/gui/QtDialogLanguage.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The system's own boxes speak the user's language, as on Windows.
    qtdialoglanguage::install(QLocale::system().name().section(u'_', 0, 0),
                              qtdialoglanguage::folders(QCoreApplication::applicationDirPath()), &app);
    return PlayerApplication::run(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
}
