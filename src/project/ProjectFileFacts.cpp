#include "project/ProjectFileFacts.h"

#include "common/LineReader.h"
#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The text after the key, taken by the key's length whatever the line starts with.
QString after(const QString &key, const QString &line)
{
    return line.mid(key.size());
}

} // namespace

ProjectFileFacts ProjectFileFacts::read(const QString &path)
{
    ProjectFileFacts facts;
    const QString hostPath = pathtext::toHost(path);
    if (path.isEmpty() || !QFileInfo(hostPath).isFile())
        return facts;
    QByteArray bytes;
    if (readWholeFile(hostPath, &bytes).isError())
        return facts;
    facts.file = path + u" ("_s + QString::number(bytes.size()) + Phrases::text(Phrase::BytesClose);

    LineReader reader(bytes);
    QString line;
    while (reader.next(&line)) {
        if (line != u"[Format]"_s)
            continue;
        QString lines[3];
        for (QString &l : lines)
            reader.next(&l);
        facts.editor = after(u"Editeur="_s, lines[0]);
        facts.version = after(u"Version="_s, lines[1]);
        facts.fileVersion = after(u"Fichier="_s, lines[2]);
        break;
    }
    // Files of the first format carry no version of their own.
    if (facts.fileVersion.isEmpty() || facts.fileVersion == kUnknown)
        facts.fileVersion = u"1.0"_s;
    return facts;
}
