#include "app/core/AppearanceFile.h"

#include "app/core/AppIdentity.h"
#include "common/LineReader.h"
#include "common/LineWriter.h"
#include "common/Phrases.h"
#include "common/SaveFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString kBlockHeader = u"[App]"_s;
const QString kNone = u"para"_s;

struct DefaultTheme
{
    const char16_t *name;
    int window;
    int field;
    int text;
};

constexpr DefaultTheme kDefaults[] = {
    {u"Bleu", 16755370, 10461183, 0},  {u"Rouge", 6711039, 9240575, 0},         {u"Orange", 4103935, 255, 0},
    {u"Clair", 16777215, 16767449, 0}, {u"Sombre", 6392715, 2208689, 16777215}, {u"Sombre2", 5789784, 16744576, 65280},
};

} // namespace

AppearanceFile::AppearanceFile(const QString &programFolder)
    : m_path(appid::withTrailingSeparator(programFolder) + fileName())
{
}

QString AppearanceFile::fileName()
{
    return u"apparences.ini"_s;
}

bool AppearanceFile::exists() const
{
    return QFile::exists(m_path);
}

QList<Appearance> AppearanceFile::load(const Appearance &systemDefault) const
{
    QByteArray bytes;
    readWholeFile(m_path, &bytes);
    return parse(bytes, systemDefault);
}

QList<Appearance> AppearanceFile::parse(const QByteArray &bytes, const Appearance &systemDefault)
{
    QList<Appearance> list;
    list.append(systemDefault);
    list.front().name = Appearance::defaultName();
    LineReader reader(bytes);
    QString line;
    while (list.size() <= kMaxStored && reader.next(&line)) {
        if (line != kBlockHeader)
            continue;
        // A block cut short by the end of the file keeps what it has.
        QString fields[6];
        for (QString &field : fields) {
            if (!reader.next(&field))
                break;
        }
        Appearance a;
        a.name = fields[0];
        a.windowBackground = Appearance::colourFromLine(fields[1]);
        a.fieldBackground = Appearance::colourFromLine(fields[2]);
        a.textColour = Appearance::colourFromLine(fields[3]);
        a.font = fields[4] == kNone ? QString() : fields[4];
        list.append(a);
    }
    return list;
}

QByteArray AppearanceFile::defaultBytes()
{
    LineWriter out;
    for (const DefaultTheme &theme : kDefaults) {
        out.line(kBlockHeader)
            .line(QStringView(theme.name))
            .line(QString::number(theme.window))
            .line(QString::number(theme.field))
            .line(QString::number(theme.text))
            .line(kNone)
            .line(kNone);
    }
    return out.bytes();
}

ZepError AppearanceFile::writeDefaults() const
{
    return saveFileAtomically(m_path, defaultBytes());
}

QByteArray AppearanceFile::block(const Appearance &appearance)
{
    LineWriter out;
    out.line(kBlockHeader)
        .line(appearance.name)
        .number(appearance.windowBackground)
        .number(appearance.fieldBackground)
        .number(appearance.textColour)
        .line(appearance.font.isEmpty() ? kNone : appearance.font)
        .line(kNone);
    return out.bytes();
}

ZepError AppearanceFile::append(const Appearance &appearance) const
{
    QByteArray bytes;
    if (exists()) {
        if (const ZepError error = readWholeFile(m_path, &bytes); error.isError())
            return error;
    }
    // A last line without its line end would swallow the new "[App]".
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes.append("\r\n");
    return saveFileAtomically(m_path, bytes + block(appearance));
}

std::optional<MessageRequest> AppearanceFile::checkNewName(const QString &name, const QList<Appearance> &list)
{
    MessageRequest message;
    message.title = appid::applicationTitle();
    message.icon = MessageIcon::Exclamation;
    if (name.isEmpty()) {
        message.text = Phrases::text(Phrase::EmptyNameField);
        return message;
    }
    for (const Appearance &a : list) {
        if (a.name.compare(name, Qt::CaseInsensitive) == 0) {
            message.text = Phrases::text(Phrase::NameAlreadyUsed);
            return message;
        }
    }
    if (list.size() > kMaxStored) {
        message.text = Phrases::text(Phrase::AppearanceLimitReached);
        return message;
    }
    return std::nullopt;
}
