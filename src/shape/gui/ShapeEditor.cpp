#include "shape/gui/ShapeEditor.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "shape/OutlineTracer.h"
#include "shape/ShapeFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QPushButton>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The file dialogs leave the folder they end in current; the editor keeps its own.
class CurrentFolderKept
{
public:
    CurrentFolderKept() : m_folder(QDir::currentPath()) {}
    ~CurrentFolderKept() { QDir::setCurrent(m_folder); }

private:
    QString m_folder;
};

} // namespace

ShapeEditor::ShapeEditor(Host host, Prompter &prompter, QObject *parent)
    : QObject(parent), m_host(std::move(host)), m_prompter(prompter)
{
}

ShapeEditor::~ShapeEditor()
{
    delete m_surface;
    delete m_toolbar;
}

void ShapeEditor::open()
{
    if (isOpen())
        return;
    const ShapeSurface::Look look = m_host.look();
    m_projectShape = look.current;
    m_tpp = look.tpp;
    m_hidden.clear();
    for (QWidget *window : m_host.designerWindows) {
        if (window->isVisible()) {
            m_hidden.append(window);
            window->hide();
        }
    }
    m_surface = new ShapeSurface(look);
    m_toolbar = new ShapeToolbar;
    if (m_host.worksheet) {
        m_surface->move(m_host.worksheet->mapToGlobal(QPoint(0, 0)));
        m_host.worksheet->showMinimized();
    }
    if (m_host.palette)
        m_toolbar->move(m_host.palette->pos());
    if (m_host.applyTheme) {
        m_host.applyTheme(m_surface);
        m_host.applyTheme(m_toolbar);
    }

    connect(m_surface, &ShapeSurface::stateChanged, this, &ShapeEditor::followState);
    connect(m_surface, &ShapeSurface::closeRequested, this, &ShapeEditor::close);
    connect(m_toolbar, &ShapeToolbar::closeRequested, this, &ShapeEditor::close);
    const auto on = [this](const QString &caption, void (ShapeEditor::*command)()) {
        connect(m_toolbar->command(caption), &QPushButton::clicked, this, command);
    };
    on(u"Recommencer"_s, &ShapeEditor::restart);
    on(u"Annuler"_s, &ShapeEditor::cancel);
    on(u"Valider"_s, &ShapeEditor::validate);
    connect(m_toolbar->command(u"Aperçu"_s), &QPushButton::clicked, m_surface, &ShapeSurface::preview);
    on(u"Pas de forme"_s, &ShapeEditor::clearShape);
    on(u"Charger"_s, &ShapeEditor::load);
    on(u"Sauver"_s, &ShapeEditor::save);
    on(u"Tracer depuis l'image"_s, &ShapeEditor::traceBackground);

    m_surface->show();
    m_toolbar->show();
    m_toolbar->raise();
}

void ShapeEditor::close()
{
    if (!isOpen())
        return;
    if (m_host.worksheet)
        m_host.worksheet->showNormal();
    for (QWidget *window : std::as_const(m_hidden)) {
        if (window)
            window->show();
    }
    m_hidden.clear();
    m_surface->hide();
    m_toolbar->hide();
    m_surface->deleteLater();
    m_toolbar->deleteLater();
    m_surface = nullptr;
    m_toolbar = nullptr;
}

QString ShapeEditor::restartTitle() const
{
    // A pack titles this one question with the palette command that opened the editor.
    if (Phrases::packActive() && m_host.palette) {
        if (const auto *command = m_host.palette->findChild<QAbstractButton *>(u"forme_editeur"_s))
            return command->text();
    }
    return Phrases::text(Phrase::ShapeEditor);
}

void ShapeEditor::restart()
{
    if (m_prompter.message(Phrases::text(Phrase::AbandonCurrentShape), restartTitle(), MessageIcon::Question,
                           MessageButtons::YesNo) != Answer::Yes)
        return;
    close();
    open();
}

void ShapeEditor::cancel()
{
    if (m_prompter.message(Phrases::text(Phrase::AbandonCurrentShape), Phrases::text(Phrase::ShapeEditor),
                           MessageIcon::Question, MessageButtons::YesNo) == Answer::No)
        return;
    close();
}

void ShapeEditor::validate()
{
    if (refusedWhileDrawing(Phrases::text(Phrase::FinishShapeBeforeApply)))
        return;
    if (!m_surface->drawing().points().isEmpty())
        m_host.setShape(m_surface->drawing().points());
    close();
}

void ShapeEditor::clearShape()
{
    if (m_prompter.message(Phrases::text(Phrase::ClearMenuShape), Phrases::text(Phrase::ShapeEditor),
                           MessageIcon::Question, MessageButtons::YesNo) == Answer::No)
        return;
    m_host.setShape({});
    close();
}

void ShapeEditor::load()
{
    if (refusedWhileDrawing(Phrases::text(Phrase::FinishShapeBeforeLoad)))
        return;
    QString path;
    {
        const CurrentFolderKept kept;
        path = m_prompter.openFile(FileRequest{Phrases::text(Phrase::LoadShape), QString(), QString()});
    }
    if (path.isEmpty())
        return;
    QList<ShapePoint> vertices;
    if (const ZepError error = shapefile::load(path, &vertices); error.isError()) {
        m_prompter.message(shapefile::errorBox(error));
        return;
    }
    m_surface->replaceWith(vertices);
}

void ShapeEditor::save()
{
    if (refusedWhileDrawing(Phrases::text(Phrase::FinishShapeBeforeSave)))
        return;
    QString path;
    {
        const CurrentFolderKept kept;
        path = m_prompter.saveFile(FileRequest{Phrases::text(Phrase::SaveShapeAs),
                                               Phrases::text(Phrase::ShapeFileFilter) + u" | *.zfm"_s, QString()});
    }
    if (path.isEmpty())
        return;
    const QList<ShapePoint> &drawn = m_surface->drawing().points();
    if (const ZepError error = shapefile::save(path, drawn.isEmpty() ? m_projectShape : drawn); error.isError())
        m_prompter.message(shapefile::errorBox(error));
}

void ShapeEditor::traceBackground()
{
    if (refusedWhileDrawing(Phrases::text(Phrase::FinishShapeBeforeTrace)))
        return;
    const QImage picture = m_surface->shownBackground();
    if (picture.isNull()) {
        m_prompter.message(Phrases::text(Phrase::NoBackgroundToTrace), Phrases::text(Phrase::ShapeEditor),
                           MessageIcon::Exclamation);
        return;
    }
    const bool white = m_host.transparencyImageSet && m_host.transparencyImageSet();
    const QList<QPoint> outline =
        OutlineTracer::trace(picture, white ? qRgb(255, 255, 255) : OutlineTracer::cornerColour(picture));
    if (outline.isEmpty()) {
        m_prompter.message(Phrases::text(Phrase::NoOutlineToTrace), Phrases::text(Phrase::ShapeEditor),
                           MessageIcon::Exclamation);
        return;
    }
    QList<ShapePoint> vertices;
    vertices.reserve(outline.size());
    for (const QPoint &p : outline)
        vertices.append(
            ShapePoint{qint32(std::lround(m_tpp.toTwipsX(p.x()))), qint32(std::lround(m_tpp.toTwipsY(p.y())))});
    m_surface->replaceWith(vertices);
}

bool ShapeEditor::refusedWhileDrawing(const QString &text)
{
    if (!m_surface->drawing().isDrawing())
        return false;
    m_prompter.message(text, Phrases::text(Phrase::ShapeEditor), MessageIcon::Exclamation);
    return true;
}

void ShapeEditor::followState()
{
    m_toolbar->command(u"Aperçu"_s)->setEnabled(m_surface->drawing().previewEnabled());
}
