#include "shape/ShapeFile.h"

#include "common/LineReader.h"
#include "common/LineWriter.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"
#include "project/ProjectBlocks.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace shapefile {

QByteArray toBytes(const QList<ShapePoint> &vertices)
{
    LineWriter out;
    QList<ShapePoint> shape{ShapePoint{}};
    shape.append(vertices);
    projectblocks::writeShape(out, shape);
    return out.bytes();
}

ZepError fromBytes(const QByteArray &bytes, QList<ShapePoint> *vertices)
{
    LineReader lines(bytes);
    QString line;
    if (!lines.next(&line) || line != projectblocks::kShapeStart)
        return ZepError(ErrorCode::Internal, Phrases::text(Phrase::InvalidFile));
    QList<ShapePoint> read;
    for (;;) {
        if (!lines.next(&line))
            return ZepError(ErrorCode::InputPastEnd);
        if (line == projectblocks::kShapeEnd)
            break;
        const qint32 x = projectblocks::shapeCoordinate(line);
        if (!lines.next(&line))
            return ZepError(ErrorCode::InputPastEnd);
        read.append(ShapePoint{x, projectblocks::shapeCoordinate(line)});
    }
    *vertices = std::move(read);
    return {};
}

ZepError load(const QString &path, QList<ShapePoint> *vertices)
{
    if (!QFileInfo(path).isFile())
        return ZepError(ErrorCode::Internal, Phrases::text(Phrase::FileNotFound));
    QByteArray bytes;
    if (const ZepError error = readWholeFile(path, &bytes); error.isError())
        return error;
    return fromBytes(bytes, vertices);
}

ZepError save(const QString &path, const QList<ShapePoint> &vertices)
{
    return saveFileAtomically(path, toBytes(vertices));
}

MessageRequest errorBox(const ZepError &error)
{
    return MessageRequest{Phrases::text(Phrase::ErrorColon) + error.description,
                          Phrases::text(Phrase::ErrorNumber) + QString::number(error.number), MessageIcon::Critical,
                          MessageButtons::Ok};
}

} // namespace shapefile
