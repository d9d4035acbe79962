#include "designer/worksheet/TextItem.h"

#include "common/ColourValue.h"
#include "common/Phrases.h"
#include "project/MenuText.h"

#include <QSignalBlocker>

using namespace Qt::StringLiterals;

TextItem::TextItem(int slot, QWidget *parent) : QPlainTextEdit(parent), m_slot(slot)
{
    setObjectName(u"Texte"_s + QString::number(slot));
    setToolTip(Phrases::text(Phrase::DragToMove) + Phrases::text(Phrase::RightClickToResize));
    setAcceptDrops(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
}

void TextItem::follow(const MenuText &text, const TwipsPerPixel &tpp)
{
    if (content() != text.text) {
        const QSignalBlocker blocker(this);
        QString plain = text.text;
        plain.replace(u"\r\n"_s, u"\n"_s);
        setPlainText(plain);
    }
    setFont(text.font());
    QPalette p = palette();
    p.setColor(QPalette::Base, colourvalue::toColor(text.backColour));
    p.setColor(QPalette::Text, colourvalue::toColor(text.textColour));
    setPalette(p);
    setVerticalScrollBarPolicy(text.hasScrollBar() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setGeometry(qRound(tpp.toPixelsX(text.left)), qRound(tpp.toPixelsY(text.top)), qRound(tpp.toPixelsX(text.width)),
                qRound(tpp.toPixelsY(text.height)));
    setVisible(text.isStored());
}

QString TextItem::content() const
{
    QString text = toPlainText();
    text.replace(u"\n"_s, u"\r\n"_s);
    return text;
}

void TextItem::setResizing(bool on)
{
    m_resizing = on;
    setReadOnly(on);
}
