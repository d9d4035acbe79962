#pragma once

#include "prompt/Prompter.h"

#include <QString>

class QWidget;

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
    QString titleOf(const QString &title) const { return title.isEmpty() ? m_untitled : title; }

    QWidget *m_parent;
    QString m_untitled;
};
