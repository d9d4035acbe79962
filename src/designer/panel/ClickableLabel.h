#pragma once

#include <QLabel>

// A label that acts on a click, like the "[?]" and "[Infos]" helps.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
