#include "build/HtmlLauncher.h"

#include "common/LineWriter.h"
#include "common/SaveFile.h"
#include "project/MenuProject.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The pixels of a 15-twips screen, always with "." so the page's script can read
// them whatever the locale.
QString pixels(double twips, double pixelsPer, double twipsPer)
{
    return QString::number(twips * pixelsPer / twipsPer, 'g', 15);
}

} // namespace

QByteArray HtmlLauncher::page() const
{
    const ProjectSettings &s = m_project.settings();
    const bool fullScreen = s.fullScreen != 0;
    const QString height = fullScreen ? u"screen.height;"_s : pixels(s.height, 480, 7200);
    const QString width = fullScreen ? u"screen.width;"_s : pixels(s.width, 640, 9600);
    // Kept with "¤" for each double quote, which the line gets as it is written.
    QString open = u"window.open(page,¤¤,¤top=¤+top+¤,left=¤+left+¤,width=¤+largeur+¤,height=¤+hauteur+¤,"
                   u"toolbar=no,location=no,directories=no,status=no,menubar=no,scrollbars=yes,resizable=yes¤);"_s;
    open.replace(u'¤', u'"');

    LineWriter out;
    out.line(u"<html><head>")
        .line(u"<script language=Javascript>")
        .line(u"function menu_zep()")
        .line(u"{")
        .line(u"page=\"zep_menu2.htm\"")
        .line(u"hauteur="_s + height)
        .line(u"largeur="_s + width)
        .line(u"var top=(screen.height-hauteur)/2;")
        .line(u"var left=(screen.width-largeur)/2;")
        .line(open)
        .line(u"}")
        .line(u"</script></head><body onload=\"javascript:menu_zep()\">")
        .line(u"</body></html>");
    return out.bytes();
}

ZepError HtmlLauncher::writeInto(const QString &folder) const
{
    if (!QFileInfo(folder).isDir())
        return ZepError(ErrorCode::PathNotFound);
    const QString path = QDir(folder).filePath(kFileName);
    // Something else by that name would only be reported by the rename, in vaguer words.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return ZepError(ErrorCode::PathFileAccess);
    return saveFileAtomically(path, page());
}
