#pragma once

#include "app/core/Appearance.h"

// The states the options file keeps; the member defaults are those of the first run.
struct Options
{
    bool precisePointer = false;       // "&Pointeur précis"
    bool mousePosition = true;         // "&Position de la souris"
    bool cornerMarkers = true;         // "Afficher les points &délimitant les objets"
    Appearance appearance;             // of the tool windows; its name is not stored
    bool wizardAtStart = false;        // "Afficher l'assistant &création au démarrage de ZEP"
    bool requireMultimediaFile = true; // "Obliger à configurer un fichier pour chaque bouton multimédia"

    // The first-run options, with the tool windows' appearance as designed.
    static Options firstRun(const Appearance &designed)
    {
        Options options;
        options.appearance = designed;
        return options;
    }

    bool operator==(const Options &) const = default;
};
