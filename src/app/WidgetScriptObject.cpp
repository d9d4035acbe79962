#include "app/WidgetScriptObject.h"

#include "app/core/PhraseListObject.h"
#include "common/ColourValue.h"
#include "common/gui/ScreenMetrics.h"
#include "vbscript/Conversion.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString textOf(const vbs::Variant &value)
{
    return QString::fromStdU16String(vbs::conv::toString(vbs::conv::scalar(value), vbs::Language::English));
}

vbs::Variant text(const QString &value)
{
    return vbs::Variant::string(value.toStdU16String());
}

QString caption(QObject *o)
{
    if (auto *a = qobject_cast<QAction *>(o))
        return a->text();
    if (auto *m = qobject_cast<QMenu *>(o))
        return m->title();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *g = qobject_cast<QGroupBox *>(o))
        return g->title();
    if (auto *e = qobject_cast<QLineEdit *>(o))
        return e->text();
    if (auto *w = qobject_cast<QWidget *>(o))
        return w->windowTitle();
    return {};
}

void setCaption(QObject *o, const QString &value)
{
    if (auto *a = qobject_cast<QAction *>(o))
        a->setText(value);
    else if (auto *m = qobject_cast<QMenu *>(o))
        m->setTitle(value);
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->setText(value);
    else if (auto *l = qobject_cast<QLabel *>(o))
        l->setText(value);
    else if (auto *g = qobject_cast<QGroupBox *>(o))
        g->setTitle(value);
    else if (auto *e = qobject_cast<QLineEdit *>(o))
        e->setText(value);
    else if (auto *w = qobject_cast<QWidget *>(o))
        w->setWindowTitle(value);
}

QString textProperty(QObject *o)
{
    if (auto *p = qobject_cast<QPlainTextEdit *>(o))
        return p->toPlainText();
    if (auto *t = qobject_cast<QTextEdit *>(o))
        return t->toPlainText();
    if (auto *c = qobject_cast<QComboBox *>(o))
        return c->currentText();
    return caption(o);
}

void setTextProperty(QObject *o, const QString &value)
{
    if (auto *p = qobject_cast<QPlainTextEdit *>(o))
        p->setPlainText(value);
    else if (auto *t = qobject_cast<QTextEdit *>(o))
        t->setPlainText(value);
    else if (auto *c = qobject_cast<QComboBox *>(o)) {
        if (c->isEditable())
            c->setEditText(value);
        else if (c->currentIndex() >= 0)
            c->setItemText(c->currentIndex(), value);
    } else
        setCaption(o, value);
}

} // namespace

std::u16string WidgetScriptObject::typeName() const
{
    return m_object ? QString::fromLatin1(m_object->metaObject()->className()).toStdU16String() : u"Nothing";
}

QList<QObject *> WidgetScriptObject::namedDescendants(QObject *root)
{
    QList<QObject *> named;
    for (QObject *o : root->findChildren<QObject *>()) {
        if (!o->objectName().isEmpty() && !o->objectName().startsWith(u"qt_"_s))
            named.append(o);
    }
    return named;
}

vbs::Variant WidgetScriptObject::invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args)
{
    if (!m_object)
        throw vbs::ScriptError(91);
    if (auto result = property(name, kind, args))
        return *result;
    if (kind == vbs::Invoke::Get || kind == vbs::Invoke::Call) {
        for (QObject *o : namedDescendants(m_object)) {
            if (vbs::foldName(o->objectName().toStdU16String()) == name)
                return vbs::Variant::object(std::make_shared<WidgetScriptObject>(o));
        }
    }
    throw vbs::ScriptError(438);
}

std::optional<vbs::Variant> WidgetScriptObject::property(std::u16string_view name, vbs::Invoke kind,
                                                         std::span<vbs::Variant> args)
{
    const bool set = kind == vbs::Invoke::Let;
    const vbs::Variant *value = set && !args.empty() ? &args.back() : nullptr;
    if (set && !value)
        throw vbs::ScriptError(450);
    QObject *o = m_object;
    auto *w = qobject_cast<QWidget *>(o);
    auto *a = qobject_cast<QAction *>(o);

    if (name == u"caption" || name == u"text") {
        if (set)
            name == u"caption" ? setCaption(o, textOf(*value)) : setTextProperty(o, textOf(*value));
        return set ? vbs::Variant() : text(name == u"caption" ? caption(o) : textProperty(o));
    }
    if (name == u"tooltiptext") {
        if (set)
            w ? w->setToolTip(textOf(*value)) : a ? a->setToolTip(textOf(*value)) : void();
        return set ? vbs::Variant() : text(w ? w->toolTip() : a ? a->toolTip() : QString());
    }
    if (name == u"visible" || name == u"enabled") {
        const bool visible = name == u"visible";
        if (set) {
            const bool on = vbs::conv::toBool(vbs::conv::scalar(*value));
            if (a)
                visible ? a->setVisible(on) : a->setEnabled(on);
            else if (auto *m = qobject_cast<QMenu *>(o); m && visible)
                m->menuAction()->setVisible(on);
            else if (w)
                visible ? w->setVisible(on) : w->setEnabled(on);
            return vbs::Variant();
        }
        const bool on = a ? (visible ? a->isVisible() : a->isEnabled())
                          : w ? (visible ? !w->isHidden() : w->isEnabled()) : false;
        return vbs::Variant::boolean(on);
    }
    if (name == u"checked" && a) {
        if (set)
            a->setChecked(vbs::conv::toBool(vbs::conv::scalar(*value)));
        return set ? vbs::Variant() : vbs::Variant::boolean(a->isChecked());
    }
    if (auto result = geometry(name, value))
        return result;
    if (auto result = look(name, value))
        return result;
    return list(name, kind, args);
}

std::optional<vbs::Variant> WidgetScriptObject::geometry(std::u16string_view name, const vbs::Variant *value)
{
    auto *w = qobject_cast<QWidget *>(m_object.data());
    const bool horizontal = name == u"left" || name == u"width";
    if (!w || !(horizontal || name == u"top" || name == u"height"))
        return std::nullopt;
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const double factor = horizontal ? tpp.x : tpp.y;
    QRect g = w->geometry();
    if (!value) {
        const int px = name == u"left" ? g.x() : name == u"top" ? g.y() : name == u"width" ? g.width() : g.height();
        return vbs::Variant::single(float(px * factor));
    }
    const int px = int(std::lround(vbs::conv::toDouble(vbs::conv::scalar(*value)) / factor));
    if (name == u"left")
        g.moveLeft(px);
    else if (name == u"top")
        g.moveTop(px);
    else if (name == u"width")
        g.setWidth(std::max(0, px));
    else
        g.setHeight(std::max(0, px));
    w->setGeometry(g);
    return vbs::Variant();
}

std::optional<vbs::Variant> WidgetScriptObject::look(std::u16string_view name, const vbs::Variant *value)
{
    auto *w = qobject_cast<QWidget *>(m_object.data());
    auto *a = qobject_cast<QAction *>(m_object.data());
    if (name == u"backcolor" || name == u"forecolor") {
        if (!w)
            return std::nullopt;
        const QPalette::ColorRole role = name == u"backcolor" ? w->backgroundRole() : w->foregroundRole();
        if (!value)
            return vbs::Variant::longValue(colourvalue::fromColor(w->palette().color(role)));
        QPalette p = w->palette();
        p.setColor(role, colourvalue::toColor(vbs::conv::toLong(vbs::conv::scalar(*value))));
        if (name == u"backcolor") {
            p.setColor(QPalette::Base, p.color(role));
            w->setAutoFillBackground(true);
        } else {
            p.setColor(QPalette::Text, p.color(role));
            p.setColor(QPalette::ButtonText, p.color(role));
        }
        w->setPalette(p);
        return vbs::Variant();
    }
    if (!(name == u"fontname" || name == u"fontsize" || name == u"fontbold" || name == u"fontitalic") || !(w || a))
        return std::nullopt;
    QFont f = w ? w->font() : a->font();
    if (!value) {
        if (name == u"fontname")
            return text(f.family());
        if (name == u"fontsize")
            return vbs::Variant::single(float(f.pointSizeF()));
        return vbs::Variant::boolean(name == u"fontbold" ? f.bold() : f.italic());
    }
    const vbs::Variant v = vbs::conv::scalar(*value);
    if (name == u"fontname")
        f.setFamily(textOf(v));
    else if (name == u"fontsize")
        f.setPointSizeF(std::max(1.0, vbs::conv::toDouble(v)));
    else if (name == u"fontbold")
        f.setBold(vbs::conv::toBool(v));
    else
        f.setItalic(vbs::conv::toBool(v));
    w ? w->setFont(f) : a->setFont(f);
    return vbs::Variant();
}

std::optional<vbs::Variant> WidgetScriptObject::list(std::u16string_view name, vbs::Invoke kind,
                                                     std::span<vbs::Variant> args)
{
    QStringList items;
    if (auto *c = qobject_cast<QComboBox *>(m_object.data())) {
        for (int i = 0; i < c->count(); ++i)
            items << c->itemText(i);
    } else if (auto *l = qobject_cast<QListWidget *>(m_object.data())) {
        for (int i = 0; i < l->count(); ++i)
            items << l->item(i)->text();
    } else {
        return std::nullopt;
    }
    const QStringList before = items;
    auto result = PhraseListObject::invokeList(items, name, kind, args);
    if (!result || items == before)
        return result;
    // Rewritten whole, keeping the current entry where it still exists.
    if (auto *c = qobject_cast<QComboBox *>(m_object.data())) {
        const int current = c->currentIndex();
        const QSignalBlocker quiet(c);
        c->clear();
        c->addItems(items);
        c->setCurrentIndex(std::min(current, int(items.size()) - 1));
    } else if (auto *l = qobject_cast<QListWidget *>(m_object.data())) {
        const int current = l->currentRow();
        const QSignalBlocker quiet(l);
        l->clear();
        l->addItems(items);
        l->setCurrentRow(std::min(current, int(items.size()) - 1));
    }
    return result;
}
