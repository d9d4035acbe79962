#pragma once

#include <QList>
#include <QString>

#include <functional>

class LineWriter;
struct MenuButton;
struct MenuText;
struct ProjectSettings;
struct ShapePoint;

// The sections a project file and the compiled menu data write alike; only the way a
// file reference is written differs between them.
namespace projectblocks {

inline constexpr QStringView kShapeStart = u"[FormeMenu]";
inline constexpr QStringView kShapeEnd = u"[/FormeMenu]";

using Reference = std::function<QString(const QString &file)>;

void writeParamsPlus(LineWriter &out, const ProjectSettings &settings, const Reference &reference);
void writeOther(LineWriter &out, const ProjectSettings &settings, const Reference &reference);
void writeButton(LineWriter &out, const MenuButton &button, const Reference &image);
void writeText(LineWriter &out, const MenuText &text);
// "[FormeMenu]", the vertices 1 to n, "[/FormeMenu]"; nothing without a vertex.
void writeShape(LineWriter &out, const QList<ShapePoint> &shape);
// The number after a vertex line's first two characters ("X=", "Y=" or any others),
// rounded to a whole number of twips the way an integer variable takes it.
qint32 shapeCoordinate(QStringView line);

} // namespace projectblocks
