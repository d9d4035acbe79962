#pragma once

#include "vbscript/HostObject.h"

#include <QList>
#include <QPointer>

#include <optional>

class QObject;

// A window, control or menu entry as a pack script sees it: the familiar property names
// (Caption, Text, Left in twips, BackColor as a number…) mapped onto the Qt object, and
// the named objects under it as members.
class WidgetScriptObject : public vbs::HostObject
{
public:
    explicit WidgetScriptObject(QObject *object) : m_object(object) {}

    std::u16string typeName() const override;
    vbs::Variant invoke(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args) override;

    // The named objects under root, each once, in creation order.
    static QList<QObject *> namedDescendants(QObject *root);

private:
    std::optional<vbs::Variant> property(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args);
    std::optional<vbs::Variant> geometry(std::u16string_view name, const vbs::Variant *value);
    std::optional<vbs::Variant> look(std::u16string_view name, const vbs::Variant *value);
    std::optional<vbs::Variant> list(std::u16string_view name, vbs::Invoke kind, std::span<vbs::Variant> args);

    QPointer<QObject> m_object;
};
