#pragma once

#include "setup/core/SetupPlaces.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A package folder to install from, and a user's menu and desktop, all temporary.
class SetupFixture : public ::testing::Test
{
protected:
    SetupFixture();

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

    QTemporaryDir m_root;
    SetupPlaces m_places;
};
