#include "script/gui/NewProcedurePanel.h"

#include "script/NewProcedure.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QGroupBox *choiceFrame(const QString &title, const QString &name, QRadioButton *first, QRadioButton *second)
{
    auto *frame = new QGroupBox(title);
    frame->setObjectName(name);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(first);
    layout->addWidget(second);
    return frame;
}

} // namespace

NewProcedurePanel::NewProcedurePanel(QWidget *parent)
    : QFrame(parent), m_name(new QLineEdit), m_function(new QRadioButton(u"Function"_s)),
      m_sub(new QRadioButton(u"Sub"_s)), m_private(new QRadioButton(u"Private"_s)),
      m_public(new QRadioButton(u"Public"_s))
{
    setObjectName(u"nouvelle_procedure"_s);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    m_name->setObjectName(u"nom_procedure"_s);
    m_function->setObjectName(u"type_function"_s);
    m_sub->setObjectName(u"type_sub"_s);
    m_private->setObjectName(u"portee_private"_s);
    m_public->setObjectName(u"portee_public"_s);

    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(u"Nom :"_s);
    nameLabel->setObjectName(u"label_nom"_s);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name);

    auto *frames = new QHBoxLayout;
    frames->addWidget(choiceFrame(u"Type"_s, u"cadre_type"_s, m_function, m_sub));
    frames->addWidget(choiceFrame(u"Portée"_s, u"cadre_portee"_s, m_private, m_public));

    auto *validate = new QPushButton(u"&Valider"_s);
    validate->setObjectName(u"valider_procedure"_s);
    auto *cancel = new QPushButton(u"Annuler"_s);
    cancel->setObjectName(u"annuler_procedure"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(validate);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    connect(validate, &QPushButton::clicked, this, &NewProcedurePanel::validate);
    connect(m_name, &QLineEdit::returnPressed, this, &NewProcedurePanel::validate);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void NewProcedurePanel::open()
{
    m_name->clear();
    m_sub->setChecked(true);
    m_public->setChecked(true);
    show();
    raise();
    m_name->setFocus();
}

void NewProcedurePanel::validate()
{
    const std::optional<NewProcedure> procedure =
        makeNewProcedure(m_name->text(), m_function->isChecked() ? ProcedureKind::Function : ProcedureKind::Sub,
                         m_private->isChecked() ? ProcedureScope::Private : ProcedureScope::Public);
    if (!procedure)
        return;
    m_name->setText(procedure->name);
    emit appendRequested(procedure->appended);
    hide();
}
