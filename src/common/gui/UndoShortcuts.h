#pragma once

class QUndoStack;
class QWidget;

// Ctrl+Z and Ctrl+Y on a window, for the session's one undo stack.
void addUndoShortcuts(QWidget *window, QUndoStack *stack);
