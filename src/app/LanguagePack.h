#pragma once

#include "app/core/LanguagePacks.h"
#include "app/core/PackScript.h"

#include <QObject>

class Prompter;
class QWidget;

// The active language pack: translates each designer window once, when it is created
// or first shown, by running its window file with the window exposed to the script.
class LanguagePack : public QObject
{
    Q_OBJECT

public:
    // An empty language, or one whose folder is gone, keeps the built-in French.
    LanguagePack(const QString &programFolder, const QString &language, Prompter &prompter,
                 QObject *parent = nullptr);
    ~LanguagePack() override;

    bool active() const { return m_active; }
    // The main window's file also fills the phrase list from "phrases.lge".
    void translate(QWidget *window);
    // From now on every designer window is translated before it is first shown.
    void translateNewWindows();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runFile(const QString &name, const PackScript::Objects &objects);

    LanguagePacks m_packs;
    Prompter &m_prompter;
    QString m_language;
    bool m_active = false;
};
