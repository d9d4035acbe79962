#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QMenu;
class QTimer;

// The six text labels across the main window that open its menus. A pressed or
// hovered label shows its colours swapped; everything else brings the reference
// colours back.
class MenuLabelBar : public QObject
{
    Q_OBJECT

public:
    explicit MenuLabelBar(QWidget *window);

    void addMenu(const QString &labelName, QMenu *menu);

    QLabel *label(int index) const { return m_labels[index].label; }
    int count() const { return int(m_labels.size()); }
    bool isHighlighted(int index) const;
    void restoreAll();
    void startRestoreTimer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QLabel *label;
        QMenu *menu;
    };
    void highlight(int index);

    QWidget *m_window;
    QLabel *m_reference;
    QList<Entry> m_labels;
    QTimer *m_timer;
};
