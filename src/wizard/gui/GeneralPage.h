#pragma once

#include <QWidget>

class ColourSwatch;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct WizardProject;

// First step: the menu's name, background, outline and music.
class GeneralPage : public QWidget
{
    Q_OBJECT

public:
    static QString imageFilter();

    GeneralPage(WizardProject &project, Prompter &prompter, QWidget *parent = nullptr);

private:
    void chooseColour();
    void chooseImage();
    void chooseMusic();
    void backgroundChanged();
    void musicChanged();

    WizardProject &m_project;
    Prompter &m_prompter;
    QLineEdit *m_name;
    QRadioButton *m_colour;
    QRadioButton *m_image;
    ColourSwatch *m_swatch;
    QLineEdit *m_imagePath;
    QPushButton *m_imageBrowse;
    QCheckBox *m_contours;
    QCheckBox *m_music;
    QLineEdit *m_musicPath;
    QPushButton *m_musicBrowse;
};
