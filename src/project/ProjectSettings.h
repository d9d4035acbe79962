#pragma once

#include <QString>

// The project-level values of a menu: its window, sounds, timer and scripts.
struct ProjectSettings
{
    static inline const QString kDefaultIconMarker = QStringLiteral("(Icône par défaut)");

    QString backgroundImage;
    int fullScreen = 0;
    float width = 12000; // outer size in twips; a reset keeps it
    float height = 9000;
    int contours = 1;
    QString icon = kDefaultIconMarker;
    QString backgroundMusic;
    QString startupAction;
    int backgroundColour = 16777215;
    int contextMenu = 1;
    int timerEnabled = 0;
    QString timerInterval = QStringLiteral("1000");
    QString timerCode;
    QString globalCode;
    int handCursor = 1;
    QString clickSound;
    QString hoverSound;
    QString transparencyImage;
    QString windowHoverCode;

    // Any value in brackets stands for the default icon, never for a file.
    static bool isIconMarker(const QString &icon);
    // The marker of the program's own icon in the interface's language.
    static QString defaultIconMarker();
    // What the panel's reset writes without a language pack, spelt as the program always has.
    static inline const QString kIconResetMarker = QStringLiteral("(Icone par défaut)");

    bool operator==(const ProjectSettings &) const = default;
};
