#pragma once

#include "wizard/WizardButton.h"

#include <QGroupBox>

#include <functional>

class ColourSwatch;
class Prompter;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

// "Ajouter... ": the panel in which a new text or graphic button is made.
class ButtonEditor : public QGroupBox
{
    Q_OBJECT

public:
    static inline const QString kDrawingProgram = QStringLiteral("assistant_bouton");

    ButtonEditor(Prompter &prompter, QString programFolder, QWidget *parent = nullptr);

    // How the button-drawing program is started; detached by default.
    void setLauncher(std::function<bool(const QString &program)> launcher) { m_launcher = std::move(launcher); }

    // Back to an empty text in black on the given colour, no type chosen.
    void reset(int backColour);
    // The button being made, without its number.
    WizardButton button() const;

signals:
    void validated(const WizardButton &button);
    void previewRequested(const WizardButton &button);
    void cancelled();

private:
    QWidget *makeTypePage();
    QWidget *makeTextPage();
    QWidget *makeImagePage();
    void showType();
    void chooseColour(ColourSwatch *swatch);
    void chooseFont();
    void transparentClicked();
    void chooseImage(QLineEdit *field, const QString &title);
    void validate();
    void startDrawingProgram();

    Prompter &m_prompter;
    QString m_programFolder;
    std::function<bool(const QString &)> m_launcher;
    FontChoice m_font;
    QStackedWidget *m_pages;
    QRadioButton *m_textType;
    QRadioButton *m_imageType;
    QLineEdit *m_text;
    ColourSwatch *m_textColour;
    ColourSwatch *m_backColour;
    QCheckBox *m_transparent;
    QLineEdit *m_images[3];
};
