#pragma once

#include "project/AuthorInfo.h"
#include "project/ItemChooser.h"
#include "project/MenuButton.h"
#include "project/MenuText.h"
#include "project/ProjectField.h"
#include "project/ProjectSettings.h"
#include "project/ShapePoint.h"

#include <QList>
#include <QObject>

// The one menu being designed. Windows read it and change it only through these
// methods, and follow its signals.
class MenuProject : public QObject
{
    Q_OBJECT

public:
    static constexpr int kButtonSlots = 101;       // slot 0 is the hidden template
    static constexpr int kMaxButtonSlotsInUse = 100;
    static constexpr int kMaxTextSlotsInUse = 32767;

    explicit MenuProject(QObject *parent = nullptr);

    // The icon marker a reset puts back; a language pack words it differently.
    void setDefaultIconMarker(const QString &marker) { m_defaultIconMarker = marker; }
    void reset();

    // File identity
    const QString &path() const { return m_path; }
    void setPath(const QString &path);
    const QString &formatVersion() const { return m_formatVersion; }
    void setFormatVersion(const QString &version) { m_formatVersion = version; }
    const AuthorInfo &author() const { return m_author; }
    void setAuthor(const AuthorInfo &author);

    // Project-level values
    const ProjectSettings &settings() const { return m_settings; }
    void setBackgroundImage(const QString &file);
    void setFullScreen(int on);
    void setSize(float width, float height);
    void setContours(int on);
    void setIcon(const QString &icon);
    void setBackgroundMusic(const QString &file);
    void setStartupAction(const QString &action);
    void setBackgroundColour(int colour);
    void setContextMenu(int on);
    void setTimerEnabled(int on);
    void setTimerInterval(const QString &interval);
    void setTimerCode(const QString &code);
    void setGlobalCode(const QString &code);
    void setHandCursor(int on);
    void setClickSound(const QString &file);
    void setHoverSound(const QString &file);
    void setTransparencyImage(const QString &file);
    void setWindowHoverCode(const QString &code);

    // The outline, 1-based: entry 0 holds no vertex.
    const QList<ShapePoint> &shape() const { return m_shape; }
    int shapeVertexCount() const { return int(m_shape.size()) - 1; }
    void setShapeVertices(const QList<ShapePoint> &vertices);

    // Buttons: slots 1 to buttonSlotsInUse() - 1
    int buttonSlotsInUse() const { return m_buttonSlotsInUse; }
    const MenuButton &button(int slot) const { return m_buttons[slot]; }
    bool canAddButton() const { return m_buttonSlotsInUse < kMaxButtonSlotsInUse; }
    // A new button of the given kind at 200, 200, selected; -1 when 99 exist.
    int addButton(const QString &kind);
    // The next slot, empty, as the reader fills it; -1 when none is left.
    int appendButtonSlot();
    void setButton(int slot, const MenuButton &button);
    void deleteButton(int slot);

    // Texts: slots 1 to textSlotsInUse() - 1
    int textSlotsInUse() const { return int(m_texts.size()); }
    const MenuText &text(int slot) const { return m_texts[slot]; }
    // A new text from the template at 200, 200 with its placeholder content, selected.
    int addText();
    // The next slot, a copy of the template, as the reader fills it; -1 when none is left.
    int appendTextSlot();
    void setText(int slot, const MenuText &text);
    void deleteText(int slot);

    // Selection, through the item chooser only
    const ItemChooser &chooser() const { return m_chooser; }
    void addChooserEntry(const QString &entry);
    // Sets the chooser's text; a button or text entry records the selected slot.
    void chooseEntry(const QString &entry);
    int selectedButton() const { return m_selectedButton; }
    int selectedText() const { return m_selectedText; }

    bool isLoading() const { return m_loading; }
    void setLoading(bool loading);

signals:
    void projectReset();
    void pathChanged();
    void authorChanged();
    void settingChanged(ProjectField field);
    void shapeChanged();
    void buttonAdded(int slot);
    void buttonChanged(int slot);
    void textAdded(int slot);
    void textChanged(int slot);
    void chooserChanged();
    void selectionChanged();
    void loadingChanged(bool loading);

private:
    template<typename T>
    void assign(T &member, const T &value, ProjectField field);

    QString m_path;
    QString m_formatVersion;
    AuthorInfo m_author;
    ProjectSettings m_settings;
    QString m_defaultIconMarker = ProjectSettings::kDefaultIconMarker;
    QList<ShapePoint> m_shape{ShapePoint{}};
    QList<MenuButton> m_buttons;
    int m_buttonSlotsInUse = 1;
    QList<MenuText> m_texts;
    ItemChooser m_chooser;
    int m_selectedButton = -1;
    int m_selectedText = -1;
    bool m_loading = false;
};
