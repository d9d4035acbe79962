#pragma once

#include "app/core/LanguagePacks.h"

#include <QObject>

class QWidget;

// The active language pack: translates each designer window once, when it is created
// or first shown, by running its window file with the window exposed to the script.
class LanguagePack : public QObject
{
    Q_OBJECT

public:
    // An empty language, or one whose folder is gone, keeps the built-in French.
    LanguagePack(const QString &programFolder, const QString &language, QObject *parent = nullptr);
    ~LanguagePack() override;

    bool active() const { return m_active; }
    // The main window's file also fills the phrase list from "phrases.lge".
    void translate(QWidget *window);
    // From now on every designer window is translated before it is first shown.
    void translateNewWindows();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LanguagePacks m_packs;
    QString m_language;
    bool m_active = false;
};
