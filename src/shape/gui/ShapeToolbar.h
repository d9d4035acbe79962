#pragma once

#include <QHash>
#include <QWidget>

class QPushButton;

// Form17 "Forme": the shape editor's commands. Closing it closes the editor.
class ShapeToolbar : public QWidget
{
    Q_OBJECT

public:
    explicit ShapeToolbar(QWidget *parent = nullptr);

    // A command by its French caption, whatever a language pack shows on it.
    QPushButton *command(const QString &caption) const;

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QHash<QString, QPushButton *> m_commands;
};
