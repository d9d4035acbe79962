#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto several lines in the narrow panel.
class WrapCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    WrapCheckBox(const QString &name, const QString &text, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    int indicatorWidth() const;
    QRect textRect(int width) const;
};
