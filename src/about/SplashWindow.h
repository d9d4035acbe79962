#pragma once

#include <QSplashScreen>

// The picture shown while the designer starts.
class SplashWindow : public QSplashScreen
{
    Q_OBJECT

public:
    SplashWindow();

    static QPixmap picture();
};
