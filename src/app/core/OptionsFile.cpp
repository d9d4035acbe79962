#include "app/core/OptionsFile.h"

#include "app/core/AppIdentity.h"
#include "common/LineReader.h"
#include "common/LineWriter.h"
#include "common/SaveFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString kYes = u"oui"_s;
const QString kNo = u"non"_s;

const QString &yesNo(bool checked)
{
    return checked ? kYes : kNo;
}

// The next line as a check mark; false at the end of the file, leaving *state alone.
bool readCheck(LineReader &reader, bool *state)
{
    QString line;
    if (!reader.next(&line))
        return false;
    *state = line == kYes;
    return true;
}

bool readColour(LineReader &reader, int *colour)
{
    QString line;
    if (!reader.next(&line))
        return false;
    *colour = Appearance::colourFromLine(line);
    return true;
}

} // namespace

OptionsFile::OptionsFile(const QString &programFolder)
    : m_path(appid::withTrailingSeparator(programFolder) + fileName())
{
}

QString OptionsFile::fileName()
{
    return u"zep_options.ini"_s;
}

bool OptionsFile::exists() const
{
    return QFile::exists(m_path);
}

OptionsFile::Reading OptionsFile::read(const Options &current, bool startupProjectNamed) const
{
    // No options file yet reads as the defaults.
    return parse(readWholeFile(m_path).valueOr({}), current, startupProjectNamed);
}

OptionsFile::Reading OptionsFile::parse(const QByteArray &bytes, const Options &current, bool startupProjectNamed)
{
    Reading r;
    r.options = current;
    Options &o = r.options;
    LineReader reader(bytes);
    if (!readCheck(reader, &o.precisePointer) || !readCheck(reader, &o.mousePosition) ||
        !readCheck(reader, &o.cornerMarkers) || reader.atEnd())
        return r;

    readColour(reader, &o.appearance.windowBackground);
    readColour(reader, &o.appearance.fieldBackground);
    readColour(reader, &o.appearance.textColour);
    reader.next(&o.appearance.font);
    r.appearanceRead = true;

    // With a start-up project the wizard's entry stays unchecked, so the next write
    // stores "non".
    if (bool wanted = false; readCheck(reader, &wanted)) {
        o.wizardAtStart = wanted && !startupProjectNamed;
        r.openWizard = o.wizardAtStart;
    }

    readCheck(reader, &o.requireMultimediaFile);
    return r;
}

QByteArray OptionsFile::serialize(const Options &o)
{
    LineWriter out;
    out.line(yesNo(o.precisePointer))
        .line(yesNo(o.mousePosition))
        .line(yesNo(o.cornerMarkers))
        .number(o.appearance.windowBackground)
        .number(o.appearance.fieldBackground)
        .number(o.appearance.textColour)
        .line(o.appearance.font)
        .line(yesNo(o.wizardAtStart))
        .line(yesNo(o.requireMultimediaFile));
    return out.bytes();
}

ZepError OptionsFile::write(const Options &options) const
{
    return saveFileAtomically(m_path, serialize(options));
}

ZepError OptionsFile::clear() const
{
    return saveFileAtomically(m_path, QByteArray());
}
