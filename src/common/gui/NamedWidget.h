#pragma once

#include <QObject>
#include <QString>

// A new control given its script name, which language packs and tests find it by.
template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}
