#include "build/gui/PrintPreview.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;

} // namespace

PrintPreview::PrintPreview(const QImage &capture, Entry entry, Prompter &prompter, QString captureFile,
                           TwipsPerPixel twips, QWidget *parent)
    : QDialog(parent), m_capture(capture), m_entry(entry), m_prompter(prompter),
      m_captureFile(std::move(captureFile)), m_twips(twips), m_printerChoice([this](QPrinter &printer) {
          QPrintDialog dialog(&printer, this);
          return dialog.exec() == QDialog::Accepted;
      })
{
    setObjectName(u"Form18"_s);
    setWindowTitle(u"Imprimer..."_s);
    setModal(true);
    if (!m_captureFile.isEmpty())
        m_capture.save(m_captureFile, "BMP");

    m_buttons = {button(u"imprimer"_s, u"Imprimer"_s, &PrintPreview::print),
                 button(u"zoom_plus"_s, u"Zoom +"_s, &PrintPreview::zoomIn),
                 button(u"zoom_moins"_s, u"Zoom -"_s, &PrintPreview::zoomOut),
                 button(u"enregistrer"_s, u"Enregistrer"_s, &PrintPreview::save),
                 button(u"presse_papier"_s, u"Presse papier"_s, &PrintPreview::copyToClipboard),
                 button(u"fermer"_s, u"Fermer"_s, &PrintPreview::reject)};

    m_caption = new QLabel(u"Aperçu :"_s, this);
    m_caption->setObjectName(u"apercu_titre"_s);
    m_viewport = new QWidget(this);
    m_viewport->setObjectName(u"apercu"_s);
    m_viewport->setAutoFillBackground(true);
    QPalette p = m_viewport->palette();
    p.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    m_viewport->setPalette(p);
    m_image = new QLabel(m_viewport);
    m_image->setObjectName(u"image"_s);
    m_image->setScaledContents(true);
    m_image->setPixmap(QPixmap::fromImage(m_capture));
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_horizontal->setObjectName(u"defilement_horizontal"_s);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_vertical->setObjectName(u"defilement_vertical"_s);
    for (QScrollBar *bar : {m_horizontal, m_vertical}) {
        bar->setSingleStep(1);
        bar->setPageStep(1);
        connect(bar, &QScrollBar::valueChanged, this, &PrintPreview::placeImage);
    }
    m_corner = new QPushButton(this);
    m_corner->setObjectName(u"coin"_s);
    m_corner->setFlat(true);
    m_corner->setFocusPolicy(Qt::NoFocus);
    connect(m_corner, &QPushButton::clicked, this, &PrintPreview::scrollHome);

    // Large enough for the whole picture when the screen allows.
    resize(420, 320);
    layOut();
    QSize wanted = m_capture.size() + QSize(m_viewport->x() + m_vertical->width(),
                                            m_viewport->y() + m_horizontal->height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize() * 0.9);
    resize(wanted.expandedTo(QSize(420, 320)));
}

QPushButton *PrintPreview::button(const QString &name, const QString &text, void (PrintPreview::*action)())
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    return b;
}

QSize PrintPreview::shownSize() const
{
    return {int(std::lround(m_capture.width() * m_scale)), int(std::lround(m_capture.height() * m_scale))};
}

void PrintPreview::layOut()
{
    int x = kMargin;
    int rowHeight = 0;
    for (QPushButton *b : std::as_const(m_buttons)) {
        const QSize hint = b->sizeHint();
        b->setGeometry(x, kMargin, hint.width(), hint.height());
        x += hint.width() + kGap;
        rowHeight = qMax(rowHeight, hint.height());
    }
    const int captionTop = kMargin + rowHeight + kGap;
    m_caption->setGeometry(kMargin, captionTop, m_caption->sizeHint().width(), m_caption->sizeHint().height());

    // The viewport keeps its place and takes the rest, less the room of the bars.
    const int bar = m_vertical->sizeHint().width();
    const int barHeight = m_horizontal->sizeHint().height();
    const QPoint origin(kMargin, captionTop + m_caption->sizeHint().height() + 2);
    const QSize inside(qMax(1, width() - origin.x() - bar), qMax(1, height() - origin.y() - barHeight));
    m_viewport->setGeometry(QRect(origin, inside));
    m_vertical->setGeometry(origin.x() + inside.width(), origin.y(), bar, inside.height());
    m_horizontal->setGeometry(origin.x(), origin.y() + inside.height(), inside.width(), barHeight);
    m_corner->setGeometry(origin.x() + inside.width(), origin.y() + inside.height(), bar, barHeight);

    const QSize shown = shownSize();
    m_horizontal->setMaximum(int(std::lround(m_twips.toTwipsX(shown.width()) / kScrollStepTwips)));
    m_vertical->setMaximum(int(std::lround(m_twips.toTwipsY(shown.height()) / kScrollStepTwips)));
    m_image->resize(shown);
    placeImage();
}

void PrintPreview::placeImage()
{
    const double stepX = m_twips.toPixelsX(kScrollStepTwips);
    const double stepY = m_twips.toPixelsY(kScrollStepTwips);
    m_image->move(int(std::lround(-stepX * m_horizontal->value())), int(std::lround(-stepY * m_vertical->value())));
}

void PrintPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOut();
}

void PrintPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    static const QString kFocus[] = {u"enregistrer"_s, u"presse_papier"_s, u"imprimer"_s};
    if (auto *b = findChild<QPushButton *>(kFocus[int(m_entry)]))
        b->setFocus();
}

void PrintPreview::zoomIn()
{
    m_scale /= kZoomStep;
    layOut();
}

void PrintPreview::zoomOut()
{
    m_scale *= kZoomStep;
    layOut();
}

void PrintPreview::scrollHome()
{
    m_horizontal->setValue(0);
    m_vertical->setValue(0);
}

void PrintPreview::save()
{
    const QString before = QDir::currentPath();
    QString path = m_prompter.saveFile(
        {Phrases::text(Phrase::Save), Phrases::text(Phrase::BmpImageFilter) + u" | *.bmp"_s, QString()});
    QDir::setCurrent(before);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".bmp"_s;
    if (!m_capture.save(path, "BMP"))
        m_prompter.message(Phrases::text(Phrase::CannotSaveImage) + path + Phrases::text(Phrase::SpaceBang),
                           Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
}

void PrintPreview::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_capture);
    m_prompter.message(Phrases::text(Phrase::ImageCopiedToClipboard), Phrases::text(Phrase::Print),
                       MessageIcon::Information);
}

void PrintPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Menu"_s);
    if (!m_printerChoice(printer))
        return;
    if (!printOn(printer))
        m_prompter.message(Phrases::text(Phrase::CannotPrint), Phrases::text(Phrase::Print), MessageIcon::Critical);
}

bool PrintPreview::printOn(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The menu's real size on paper, made smaller only when the page is.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scaleX = printer.resolution() * m_twips.x / 1440.0;
    const double scaleY = printer.resolution() * m_twips.y / 1440.0;
    QSizeF size(m_capture.width() * scaleX, m_capture.height() * scaleY);
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF(0, 0), size), m_capture);
    return painter.end();
}

void PrintPreview::done(int result)
{
    if (!m_captureFile.isEmpty())
        QFile::remove(m_captureFile);
    QDialog::done(result);
}
