#include "common/gui/UndoShortcuts.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

void addUndoShortcuts(QWidget *window, QUndoStack *stack)
{
    QAction *undo = stack->createUndoAction(window);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = stack->createRedoAction(window);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    window->addActions({undo, redo});
}
