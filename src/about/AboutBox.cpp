#include "about/AboutBox.h"

#include "common/Phrases.h"
#include "common/ProgramVersion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent), m_viewport(new QWidget(this)), m_names(new QLabel(m_viewport)), m_timer(new QTimer(this))
{
    setObjectName(u"Form7"_s);
    setWindowTitle(u"A propos de ZEP"_s);

    auto *title = new QLabel(u"<h2>ZEP v"_s + version::majorMinor() + u"</h2><p>"_s +
                                 Phrases::text(Phrase::AboutVersionPrefix).toHtmlEscaped() + version::full() +
                                 u"</p><p>"_s + version::website() + u"</p>"_s,
                             this);
    title->setObjectName(u"titre"_s);
    title->setAlignment(Qt::AlignCenter);

    m_viewport->setFixedSize(320, 120);
    m_names->setObjectName(u"credits"_s);
    m_names->setText(credits().join(u'\n'));
    m_names->setAlignment(Qt::AlignHCenter);
    m_names->setFixedWidth(320);
    m_names->adjustSize();
    m_names->move(0, m_viewport->height());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"valider"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_viewport, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);

    connect(m_timer, &QTimer::timeout, this, &AboutBox::scrollStep);
    m_timer->start(40);
}

QStringList AboutBox::credits()
{
    return {Phrases::text(Phrase::AboutDesign),       Phrases::text(Phrase::AboutTeam),     QString(),
            Phrases::text(Phrase::AboutScriptEngine), Phrases::text(Phrase::AboutTeam),     QString(),
            Phrases::text(Phrase::AboutThanksStart),  Phrases::text(Phrase::AboutThanksEnd)};
}

void AboutBox::scrollStep()
{
    ++m_offset;
    const int top = m_viewport->height() - m_offset;
    if (top < -m_names->height())
        m_offset = 0;
    m_names->move(0, m_viewport->height() - m_offset);
}
