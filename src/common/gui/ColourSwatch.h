#pragma once

#include <QFrame>

// A clickable patch of colour; colours are red + 256 * green + 65536 * blue.
class ColourSwatch : public QFrame
{
    Q_OBJECT

public:
    explicit ColourSwatch(const QString &name, QWidget *parent = nullptr);

    int colour() const { return m_colour; }
    void setColour(int colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_colour = 0;
};
