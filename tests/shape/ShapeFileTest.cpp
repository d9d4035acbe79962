#include "shape/ShapeFile.h"
#include "common/Cp1252.h"
#include "project/MenuProject.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<ShapePoint> kTriangle{{0, 0}, {1200, -45}, {600, 900}, {0, 0}};

QByteArray crlf(const QStringList &lines)
{
    return cp1252::encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
}

class GiveUp : public ReadProblemHandler
{
public:
    bool continueReading(const ReadProblem &) override { return false; }
};

QList<ShapePoint> readProject(const QByteArray &bytes)
{
    ProjectContent content;
    GiveUp handler;
    ProjectReader reader(content, handler, [](const QString &) { return ZepError(); });
    EXPECT_EQ(reader.read(bytes, u"/nonexistent/menu.zep"_s), ProjectReader::Outcome::Completed);
    return content.vertices();
}

QByteArray projectWithShape(const QList<ShapePoint> &shape)
{
    MenuProject project;
    project.setShapeVertices(shape);
    return ProjectWriter(project).toBytes(u"/nonexistent/menu.zep"_s);
}

class ShapeFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(u"forme.zfm"_s);
        testfiles::writeBytes(path, bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(ShapeFileTest, SavedFileIsTheShapeBlockByteForByte)
{
    const QString path = m_dir.filePath(u"triangle.zfm"_s);
    ASSERT_FALSE(shapefile::save(path, kTriangle).isError());
    testfiles::expectGolden(u"shape/triangle.zfm"_s, testfiles::readBytes(path));

    QList<ShapePoint> read;
    ASSERT_FALSE(shapefile::load(path, &read).isError());
    EXPECT_EQ(read, kTriangle);
}

TEST_F(ShapeFileTest, ShapeFilesAndProjectShapeBlocksAreInterchangeable)
{
    const QByteArray block = shapefile::toBytes(kTriangle);
    const QByteArray project = projectWithShape(kTriangle);
    const qsizetype at = project.indexOf(block);
    ASSERT_GE(at, 0) << "the project file holds the shape file verbatim";

    QList<ShapePoint> cut;
    ASSERT_FALSE(shapefile::fromBytes(project.mid(at, block.size()), &cut).isError());
    EXPECT_EQ(cut, kTriangle);

    const QList<ShapePoint> other{{15, 30}, {-300, 45}, {15, 30}};
    QByteArray pasted = project;
    pasted.replace(at, block.size(), shapefile::toBytes(other));
    EXPECT_EQ(readProject(pasted), other);
}

TEST_F(ShapeFileTest, NothingToSaveWritesAnEmptyFileThatLoadsAsInvalid)
{
    const QString path = m_dir.filePath(u"vide.zfm"_s);
    ASSERT_FALSE(shapefile::save(path, {}).isError());
    EXPECT_TRUE(testfiles::readBytes(path).isEmpty());

    QList<ShapePoint> read{{1, 1}};
    const ZepError error = shapefile::load(path, &read);
    EXPECT_EQ(error.number, 999);
    EXPECT_EQ(error.description, u"Fichier Invalide"_s);
    EXPECT_EQ(read, (QList<ShapePoint>{{1, 1}}));
}

TEST_F(ShapeFileTest, RefusedFilesLeaveTheVerticesAlone)
{
    struct Case
    {
        QByteArray bytes;
        int number;
        QString description;
    };
    const QList<Case> cases{
        {crlf({u"[formemenu]"_s, u"X=1"_s, u"Y=2"_s, u"[/FormeMenu]"_s}), 999, u"Fichier Invalide"_s},
        {crlf({u" [FormeMenu]"_s, u"[/FormeMenu]"_s}), 999, u"Fichier Invalide"_s},
        {crlf({u"[FormeMenu]"_s, u"X=1"_s, u"Y=2"_s}), 62, u"Lecture au-delà de la fin du fichier"_s},
        {crlf({u"[FormeMenu]"_s, u"X=1"_s, u"Y=2"_s, u"X=3"_s}), 62, u"Lecture au-delà de la fin du fichier"_s},
        {crlf({u"[FormeMenu]"_s, u"X=1"_s, u"[/FormeMenu]"_s}), 62, u"Lecture au-delà de la fin du fichier"_s},
    };
    for (const Case &c : cases) {
        QList<ShapePoint> read{{7, 7}};
        const ZepError error = shapefile::load(write(c.bytes), &read);
        EXPECT_EQ(error.number, c.number) << c.bytes.constData();
        EXPECT_EQ(error.description, c.description) << c.bytes.constData();
        EXPECT_EQ(read, (QList<ShapePoint>{{7, 7}})) << "never a partial shape: " << c.bytes.constData();
    }

    QList<ShapePoint> read;
    const ZepError missing = shapefile::load(m_dir.filePath(u"absent.zfm"_s), &read);
    EXPECT_EQ(missing.number, 999);
    EXPECT_EQ(missing.description, u"Fichier introuvable !"_s);
    EXPECT_EQ(shapefile::load(m_dir.path(), &read).description, u"Fichier introuvable !"_s);
}

TEST_F(ShapeFileTest, OnlyTheTextAfterEachLinesFirstTwoCharactersIsRead)
{
    const QByteArray bytes = crlf({u"[FormeMenu]"_s, u"AB12"_s, u"cd-30"_s, u"X=2.5"_s, u"Y=3.5 twips"_s, u"X=abc"_s,
                                   u"é"_s, u"X= 1e99"_s, u"Y=-1e99"_s, u"[/FormeMenu]"_s, u"X=9"_s});
    QList<ShapePoint> read;
    ASSERT_FALSE(shapefile::fromBytes(bytes, &read).isError());
    EXPECT_EQ(read, (QList<ShapePoint>{{12, -30}, {2, 4}, {0, 0}, {2147483647, -2147483647 - 1}}));
}

TEST_F(ShapeFileTest, AFailedSaveSaysWhyInTheErrorBox)
{
    const ZepError error = shapefile::save(m_dir.filePath(u"absent/forme.zfm"_s), kTriangle);
    ASSERT_TRUE(error.isError());
    const MessageRequest box = shapefile::errorBox(error);
    EXPECT_EQ(box.text, u"Erreur : Chemin introuvable"_s);
    EXPECT_EQ(box.title, u"Erreur n°76"_s);
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
}

} // namespace
