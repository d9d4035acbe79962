#pragma once

#include <QUndoCommand>

#include <functional>

// One edit of one value: it keeps the value before and after, and applies one or the
// other. Edits of one burst (typing in a script, a resize gesture) merge into one step.
template<typename T>
class ValueCommand : public QUndoCommand
{
public:
    using Apply = std::function<void(const T &)>;

    // burst: 0 for an edit of its own; edits with the same burst and key merge.
    ValueCommand(const QString &text, T before, T after, Apply apply, int burst = 0, QString key = QString())
        : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_apply(std::move(apply)),
          m_burst(burst), m_key(std::move(key))
    {
    }

    void redo() override { m_apply(m_after); }
    void undo() override { m_apply(m_before); }
    int id() const override { return m_burst == 0 ? -1 : kMergeId; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = dynamic_cast<const ValueCommand *>(other);
        if (!next || next->m_burst != m_burst || next->m_key != m_key)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }

private:
    static constexpr int kMergeId = 0x5a45;

    T m_before;
    T m_after;
    Apply m_apply;
    int m_burst;
    QString m_key;
};
