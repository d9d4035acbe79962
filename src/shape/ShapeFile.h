#pragma once

#include "common/ZepError.h"
#include "project/ShapePoint.h"
#include "prompt/PromptTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Shape files (.zfm): the project file's shape block without its comment line.
// Vertex lists here hold vertices 1 to n, without the model's unused entry 0.
namespace shapefile {

// "[FormeMenu]", the vertices, "[/FormeMenu]"; nothing at all without a vertex.
QByteArray toBytes(const QList<ShapePoint> &vertices);
// Each vertex is a pair of lines whose numbers follow their first two characters.
// A text that ends before "[/FormeMenu]" is an error and gives no vertex at all.
ZepError fromBytes(const QByteArray &bytes, QList<ShapePoint> *vertices);

ZepError load(const QString &path, QList<ShapePoint> *vertices);
ZepError save(const QString &path, const QList<ShapePoint> &vertices);

// The box that reports a failed load or save.
MessageRequest errorBox(const ZepError &error);

} // namespace shapefile
