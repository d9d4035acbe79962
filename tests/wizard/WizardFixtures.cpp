#include "WizardFixtures.h"

#include <QDir>
#include <QImage>

using namespace Qt::StringLiterals;

namespace wizardfixtures {

void writeImage(const QString &path, QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
}

WizardButton textButton(int number, const QString &text)
{
    WizardButton b;
    b.number = number;
    b.text = text;
    b.textColour = 255;
    b.backColour = 65280;
    return b;
}

WizardButton graphicButton(int number, const QString &folder, const QString &stem, QSize size)
{
    WizardButton b;
    b.number = number;
    b.style = WizardButton::Style::Graphic;
    const QDir dir(folder);
    b.normalImage = dir.filePath(stem + u"_n.bmp"_s);
    b.hoverImage = dir.filePath(stem + u"_s.bmp"_s);
    b.clickImage = dir.filePath(stem + u"_c.bmp"_s);
    writeImage(b.normalImage, size, Qt::green);
    writeImage(b.hoverImage, size, Qt::yellow);
    writeImage(b.clickImage, size, Qt::red);
    return b;
}

} // namespace wizardfixtures
