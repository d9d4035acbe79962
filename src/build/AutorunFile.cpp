#include "build/AutorunFile.h"

#include "common/LineWriter.h"

QByteArray AutorunFile::bytes()
{
    LineWriter out;
    out.line(u"[Autorun]")
        .line(u"open=zep/autorun.exe")
        .line(u"Icon=zep/autorun.ico")
        .line(u"")
        .line(u"shell\\installer=&Installer ZEP")
        .line(u"shell\\installer\\command=zep/install.bat")
        .line(u"")
        .line(u"shell\\qqc=&Qu'est-ce que ZEP ?")
        .line(u"shell\\qqc\\command=zep/autorun.exe infos")
        .line(u"")
        .line(u"shell\\app=&A propos de ZEP...")
        .line(u"shell\\app\\command=zep/autorun.exe auteur");
    return out.bytes();
}
