#pragma once

#include "build/CompileProgress.h"
#include "project/MenuProject.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

namespace buildfixtures {

// A BMP of one colour with a key-coloured square in its top-left corner.
void writeImage(const QString &path, QSize size, const QColor &colour, const QColor &key = QColor(255, 0, 255));
void writeFile(const QString &path, const QByteArray &bytes);

// A menu that uses every kind of item, its files written in folder; the project path
// is folder/menu.zep.
void fillMenu(MenuProject &project, const QString &folder);

// Every file under folder, one "relative/path" a line, sorted.
QString listing(const QString &folder);

// The bytes a player copy carries after the player itself.
QByteArray appendedData(const QString &playerCopy);

} // namespace buildfixtures

// Records the labels and field states the compilation shows, one line each.
class RecordingProgress : public CompileProgress
{
public:
    QStringList log;
    QString lastReport;

    void status(const QString &text, int colour) override;
    void step(const QString &text) override;
    void fieldsEnabled(bool enabled) override;
    void report(const QString &text) override;
    void folderCompleted(const QString &folder) override;
};
