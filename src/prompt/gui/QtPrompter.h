#pragma once

#include "prompt/Prompter.h"

#include <QPointer>
#include <QWidget>


// The Prompter with Qt's standard dialogs.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *parent = nullptr);

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

    QWidget *m_parent; // for boxes asked while no window of the program is active
    QPointer<QWidget> m_lastOwner;
};
