#pragma once

#include "designer/worksheet/SurfaceRules.h"

#include <QLabel>

#include <optional>

// One menu button on the worksheet: one of its three images at its natural size.
class ButtonItem : public QLabel
{
    Q_OBJECT

public:
    ButtonItem(int slot, QWidget *parent);

    int slot() const { return m_slot; }
    surface::ImageState state() const { return m_state; }
    void setState(surface::ImageState state) { m_state = state; }

    // The key colour of a transparent button; the images shown next leave it out.
    void setTransparentKey(std::optional<int> key) { m_key = key; }
    std::optional<int> transparentKey() const { return m_key; }

    // False, and the picture stays, when the file cannot be loaded.
    bool showImageFile(const QString &file);
    void showPicture(const QPixmap &picture);

    // The normal image reference the picture was last loaded for.
    const QString &normalReference() const { return m_normalReference; }
    void setNormalReference(const QString &reference) { m_normalReference = reference; }

private:
    int m_slot;
    surface::ImageState m_state = surface::ImageState::Normal;
    QString m_normalReference;
    std::optional<int> m_key;
};
