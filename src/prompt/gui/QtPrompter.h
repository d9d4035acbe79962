#pragma once

#include "prompt/Prompter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The Prompter with Qt's standard dialogs.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

    // The title of a box asked without one.
    void setUntitledCaption(const QString &caption) { m_untitled = caption; }

    using Prompter::message;
    Answer message(const MessageRequest &request) override;
    QString input(const InputRequest &request) override;
    QString openFile(const FileRequest &request) override;
    QString saveFile(const FileRequest &request) override;
    QString folder(const FolderRequest &request) override;
    std::optional<int> colour(const ColourRequest &request) override;
    std::optional<FontChoice> font(const FontChoice &initial) override;

private:
    QWidget *owner();
    QString titleOf(const QString &title) const { return title.isEmpty() ? m_untitled : title; }

    QWidget *m_parent; // for boxes asked while no window of the program is active
    QPointer<QWidget> m_lastOwner;
    QString m_untitled;
};
