#include "player/qt/PlayerApplication.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return PlayerApplication::run(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
}
