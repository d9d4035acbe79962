#pragma once

#include "common/LineReader.h"
#include "project/ReadProblem.h"

#include <QString>

#include <functional>

struct MenuButton;
struct MenuText;
struct ProjectContent;

// Fills a project value from the lines of a .zep file. Field lines carry no key: the
// position after each header is the meaning. Pictures the project names are checked,
// not shown: a view shows them once the project is taken.
class ProjectReader
{
public:
    enum class Outcome {
        Completed, // the end of the file was reached
        Abandoned, // the user chose to stop after a problem
    };

    // Whether a picture file the project names would load; a failure is a reading problem.
    using PictureCheck = std::function<ZepError(const QString &file)>;

    ProjectReader(ProjectContent &content, ReadProblemHandler &problems, PictureCheck pictureCheck = {});

    // A file holding none of the project's section headers is something else: reading
    // it would give a blank project that a save would write over the file.
    static bool isProject(const QByteArray &bytes);

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

    ProjectContent &m_c;
    PictureCheck m_pictureCheck;
    ReadProblemHandler &m_problems;
    LineReader m_lines{QByteArray()};
    QString m_folder;
    QString m_section;
    QString m_lastLine;
    bool m_pastEnd = false;
};
