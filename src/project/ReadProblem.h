#pragma once

#include "common/ZepError.h"

#include <QString>
#include <QStringList>

// A failure met while reading a project, with where the reader stood.
struct ReadProblem
{
    ZepError error;
    QString section;  // the last header line read
    QString lastLine; // the last field line read
    int line = 0;     // the number of the last line read; 0 when none was

    // The lines of the "Erreur d'ouverture !" box.
    QStringList boxLines() const;
    QString boxText() const;
};

// Decides whether reading goes on after a problem.
class ReadProblemHandler
{
public:
    virtual ~ReadProblemHandler() = default;
    virtual bool continueReading(const ReadProblem &problem) = 0;
};
