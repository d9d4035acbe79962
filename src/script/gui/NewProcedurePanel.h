#pragma once

#include <QFrame>

class QLineEdit;
class QRadioButton;

// The panel over the code box that writes the frame of a new Sub or Function.
class NewProcedurePanel : public QFrame
{
    Q_OBJECT

public:
    explicit NewProcedurePanel(QWidget *parent = nullptr);

    // Empty name, "Sub", "Public", shown, focus in the name.
    void open();

signals:
    // What "&Valider" appends to the end of the script.
    void appendRequested(const QString &text);

private:
    void validate();

    QLineEdit *m_name;
    QRadioButton *m_function;
    QRadioButton *m_sub;
    QRadioButton *m_private;
    QRadioButton *m_public;
};
