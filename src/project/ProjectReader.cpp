#include "project/ProjectReader.h"

#include "common/Fold.h"
#include "common/FormatWords.h"
#include "common/NumberText.h"
#include "common/PathText.h"
#include "project/PictureFileCheck.h"
#include "project/ProjectBlocks.h"
#include "project/ProjectContent.h"
#include "project/StartupAction.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QString kFormat = menuformat::word(menuformat::kFormat);
const QString kAuthor = menuformat::word(menuformat::kAuthor);
const QString kGeneral = menuformat::word(menuformat::kGeneral);
const QString kParamsPlus = menuformat::word(menuformat::kParamsPlus);
const QString kOther = menuformat::word(menuformat::kOther);
const QString kButton = menuformat::word(menuformat::kButton);
const QString kText = menuformat::word(menuformat::kText);
const QString kShape = menuformat::word(menuformat::kShape);
const QString kShapeEnd = menuformat::word(menuformat::kShapeEnd);
// The largest size, in points, that a font can be given.
constexpr double kLargestFontSize = 1638;

bool isHeader(const QString &line)
{
    return line == kFormat || line == kAuthor || line == kGeneral || line == kParamsPlus || line == kOther
        || line == kButton || line == kText || line == kShape;
}

bool isOne(const QString &line)
{
    return numtext::val(line) == 1;
}

} // namespace

ProjectReader::ProjectReader(ProjectContent &content, ReadProblemHandler &problems, PictureCheck pictureCheck)
    : m_c(content), m_problems(problems),
      m_pictureCheck(pictureCheck ? std::move(pictureCheck) : PictureCheck(PictureFileCheck::check))
{
}

bool ProjectReader::isProject(const QByteArray &bytes)
{
    LineReader lines(bytes);
    QString line;
    while (lines.next(&line)) {
        if (isHeader(line))
            return true;
    }
    return false;
}

ProjectReader::Outcome ProjectReader::read(const QByteArray &bytes, const QString &projectFolder)
{
    m_lines = LineReader(bytes);
    m_folder = projectFolder;
    m_section.clear();
    m_lastLine.clear();
    m_pastEnd = false;
    m_c.formatVersion.clear();
    try {
        QString line;
        while (!m_pastEnd && m_lines.next(&line)) {
            if (isHeader(line))
                m_section = line;
            if (line == kFormat)
                readFormat();
            else if (line == kAuthor)
                readAuthor();
            else if (line == kGeneral)
                readGeneral();
            else if (line == kParamsPlus)
                readParamsPlus();
            else if (line == kOther)
                readOther();
            else if (line == kButton)
                readButton();
            else if (line == kText)
                readText();
            else if (line == kShape)
                readShape();
        }
    } catch (const Abandon &) {
        return Outcome::Abandoned;
    }
    return Outcome::Completed;
}

bool ProjectReader::field(QString *line)
{
    if (m_pastEnd)
        return false;
    if (!m_lines.next(line)) {
        // One report for a file cut short; the fields after it keep their values.
        report(ZepError(ErrorCode::InputPastEnd));
        m_pastEnd = true;
        return false;
    }
    m_lastLine = *line;
    return true;
}

void ProjectReader::skipFields(int count)
{
    QString line;
    for (int i = 0; i < count && field(&line); ++i) {
    }
}

void ProjectReader::report(const ZepError &error)
{
    if (!m_problems.continueReading(ReadProblem{error, m_section, m_lastLine, m_lines.lineNumber()}))
        throw Abandon{};
}

bool ProjectReader::number(const QString &line, double *value)
{
    double v = 0;
    if (!numtext::parse(line, &v)) {
        report(ZepError(ErrorCode::TypeMismatch));
        return false;
    }
    if (!std::isfinite(v)) {
        report(ZepError(ErrorCode::Overflow));
        return false;
    }
    *value = v;
    return true;
}

void ProjectReader::fontSize(const QString &line, double *value)
{
    // Writers on a French system put a comma before the fraction (" 8,25 ").
    QString text = line;
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0 && !text.left(comma).contains(u'.'))
        text[comma] = u'.';
    const double size = numtext::val(text);
    if (size > 0 && size <= kLargestFontSize)
        *value = size;
}

bool ProjectReader::integer(const QString &line, int *value)
{
    double v = 0;
    if (!number(line, &v))
        return false;
    const double rounded = std::nearbyint(v);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max()) {
        report(ZepError(ErrorCode::Overflow));
        return false;
    }
    *value = int(rounded);
    return true;
}

bool ProjectReader::single(const QString &line, float *value)
{
    double v = 0;
    if (!number(line, &v))
        return false;
    if (std::fabs(v) > std::numeric_limits<float>::max()) {
        report(ZepError(ErrorCode::Overflow));
        return false;
    }
    *value = float(v);
    return true;
}

bool ProjectReader::isPlaceholder(const QString &line)
{
    return line.size() > 5 && line.startsWith(u"'para"_s, Qt::CaseInsensitive);
}

QString ProjectReader::resolve(const QString &reference) const
{
    return pathtext::resolve(m_folder, reference);
}

bool ProjectReader::versionAtLeast11() const
{
    return numtext::val(m_c.formatVersion) >= 1.1;
}

void ProjectReader::readFormat()
{
    skipFields(2);
    QString line;
    if (field(&line))
        m_c.formatVersion = line.mid(8);
}

void ProjectReader::readAuthor()
{
    AuthorInfo &author = m_c.author;
    QString line;
    if (field(&line))
        author.name = line;
    if (field(&line))
        author.email = line;
    if (field(&line))
        author.website = line;
    if (field(&line))
        author.notes = fold::unfold(line);
}

void ProjectReader::readGeneral()
{
    ProjectSettings &s = m_c.settings;
    QString line;
    if (field(&line)) {
        s.backgroundImage = line;
        if (!line.isEmpty()) {
            const ZepError error = m_pictureCheck(resolve(line));
            if (error.isError())
                report(error);
        }
    }
    double width = 0;
    double height = 0;
    if (field(&line)) {
        if (numtext::parse(line, &width) && std::isfinite(width))
            s.width = float(width);
        else
            s.fullScreen = 1;
    }
    if (field(&line)) {
        if (numtext::parse(line, &height) && std::isfinite(height))
            s.height = float(height);
        else
            s.fullScreen = 1;
    }
    if (field(&line))
        s.contours = numtext::val(line) > 0 ? 1 : 0;
    if (field(&line) && !isPlaceholder(line))
        s.icon = line;
    skipFields(1);
    if (field(&line) && !isPlaceholder(line))
        s.backgroundMusic = line;
}

void ProjectReader::readParamsPlus()
{
    ProjectSettings &s = m_c.settings;
    QString line;
    int value = 0;
    if (field(&line))
        s.startupAction = startup::isScript(line) ? fold::unfold(line) : line;
    if (field(&line) && integer(line, &value))
        s.backgroundColour = value;
    if (field(&line) && integer(line, &value))
        s.contextMenu = value;
    if (field(&line) && integer(line, &value))
        s.timerEnabled = value;
    if (field(&line))
        s.timerInterval = numtext::format(numtext::val(line));
    if (field(&line) && !isPlaceholder(line))
        s.timerCode = fold::unfold(line);
    if (field(&line) && !isPlaceholder(line))
        s.globalCode = fold::unfold(line);
    if (field(&line))
        s.handCursor = int(std::lround(std::clamp(numtext::val(line), -1e9, 1e9)));
    if (field(&line) && !isPlaceholder(line))
        s.clickSound = line;
    if (field(&line) && !isPlaceholder(line))
        s.hoverSound = line;
}

void ProjectReader::readOther()
{
    QString line;
    if (field(&line))
        m_c.settings.transparencyImage = line;
    if (field(&line) && !isPlaceholder(line))
        m_c.settings.windowHoverCode = fold::unfold(line);
    skipFields(13);
}

void ProjectReader::readButton()
{
    const int slot = m_c.appendButtonSlot();
    if (slot < 0) {
        // More buttons than a menu holds: the block is read and dropped.
        report(ZepError(ErrorCode::SubscriptOutOfRange));
        MenuButton dropped;
        readButtonFields(dropped, slot);
        return;
    }
    readButtonFields(m_c.buttons[slot], slot);
}

void ProjectReader::readButtonFields(MenuButton &button, int slot)
{
    QString line;
    if (field(&line))
        single(line, &button.left);
    if (field(&line))
        single(line, &button.top);
    if (field(&line))
        button.normalImage = line;
    if (field(&line))
        button.hoverImage = line;
    if (field(&line))
        button.clickImage = line;
    if (!field(&line))
        return;
    button.kind = buttonkind::fromWord(line);
    if (button.kind == ButtonKind::Other)
        button.otherKind = line;
    if (!field(&line))
        return;
    button.code = fold::unfold(line);
    if (slot > 0 && !button.normalImage.isEmpty()) {
        const ZepError error = m_pictureCheck(resolve(button.normalImage));
        if (error.isError())
            report(error);
    }
    if (!versionAtLeast11())
        return;
    if (field(&line))
        button.hoverCode = fold::unfold(line);
    if (field(&line) && !isPlaceholder(line))
        button.transparent = isOne(line);
    if (field(&line))
        integer(line, &button.transparentColour);
    skipFields(1);
}

void ProjectReader::readText()
{
    const int slot = m_c.appendTextSlot();
    if (slot < 0) {
        report(ZepError(ErrorCode::SubscriptOutOfRange));
        MenuText dropped;
        readTextFields(dropped);
        return;
    }
    readTextFields(m_c.texts[slot]);
}

void ProjectReader::readTextFields(MenuText &text)
{
    QString line;
    if (field(&line))
        text.text = fold::unfold(line);
    if (field(&line))
        integer(line, &text.backColour);
    if (field(&line))
        integer(line, &text.textColour);
    if (field(&line))
        text.bold = isOne(line);
    if (field(&line))
        text.italic = isOne(line);
    if (field(&line))
        text.fontName = line;
    if (field(&line))
        fontSize(line, &text.fontSize);
    if (field(&line))
        text.strikethrough = isOne(line);
    if (field(&line))
        text.underline = isOne(line);
    if (field(&line))
        single(line, &text.top);
    if (field(&line))
        single(line, &text.left);
    if (field(&line))
        single(line, &text.width);
    if (field(&line))
        single(line, &text.height);
    if (field(&line))
        text.flags = line;
    skipFields(4);
}

void ProjectReader::readShape()
{
    QList<ShapePoint> vertices;
    qint32 x = 0;
    QString line;
    while (m_lines.next(&line) && line != kShapeEnd) {
        if (line.startsWith(u"X="_s))
            x = projectblocks::shapeCoordinate(line);
        else if (line.startsWith(u"Y="_s))
            vertices.append(ShapePoint{x, projectblocks::shapeCoordinate(line)});
    }
    m_c.shape = {ShapePoint{}};
    m_c.shape.append(vertices);
}
