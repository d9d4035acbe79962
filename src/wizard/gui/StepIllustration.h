#pragma once

#include <QWidget>

// The picture beside each step: the step's number and how far the wizard has come.
class StepIllustration : public QWidget
{
    Q_OBJECT

public:
    explicit StepIllustration(int steps, QWidget *parent = nullptr);

    void setStep(int step);
    int step() const { return m_step; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_steps;
    int m_step = 0;
};
