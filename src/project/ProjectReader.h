#pragma once

#include "common/LineReader.h"
#include "project/ReadProblem.h"

#include <QString>

class MenuProject;
class PictureLoader;
struct MenuButton;
struct MenuText;

// Fills a MenuProject from the lines of a .zep file. Field lines carry no key: the
// position after each header is the meaning.
class ProjectReader
{
public:
    enum class Outcome {
        Completed, // the end of the file was reached
        Abandoned, // the user chose to stop after a problem
    };

    ProjectReader(MenuProject &project, PictureLoader &pictures, ReadProblemHandler &problems);

    // projectFolder resolves the bare file names the project refers to.
    Outcome read(const QByteArray &bytes, const QString &projectFolder);

private:
    struct Abandon {};

    bool field(QString *line);
    void skipFields(int count);
    void report(const ZepError &error);
    // Conversions that fail with "Type incompatible" as the file's number fields do.
    bool number(const QString &line, double *value);
    bool integer(const QString &line, int *value);
    // The leading number with a "." or "," fraction; no size, or none a font can have,
    // keeps the former one.
    void fontSize(const QString &line, double *value);
    bool single(const QString &line, float *value);
    static bool isPlaceholder(const QString &line);
    QString resolve(const QString &reference) const;
    bool versionAtLeast11() const;

    void readFormat();
    void readAuthor();
    void readGeneral();
    void readParamsPlus();
    void readOther();
    void readButton();
    void readButtonFields(MenuButton &button, int slot); // slot -1: a dropped block
    void readText();
    void readTextFields(MenuText &text);
    void readShape();

    MenuProject &m_project;
    PictureLoader &m_pictures;
    ReadProblemHandler &m_problems;
    LineReader m_lines{QByteArray()};
    QString m_folder;
    QString m_section;
    QString m_lastLine;
    bool m_pastEnd = false;
};
