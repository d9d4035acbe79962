#pragma once

#include <QWidget>

// A box with a filled rectangle inside, as wide as the installer says.
class ProgressBox : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressBox(QWidget *parent = nullptr);

    // Width of the filled rectangle, in pixels of the box's inside.
    void setFilledWidth(int width);
    int filledWidth() const { return m_filled; }
    int insideWidth() const;
    void fill() { setFilledWidth(insideWidth()); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_filled = 0;
};
