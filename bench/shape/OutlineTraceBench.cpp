// Tracing the outline of a full-HD menu picture (goal: well under 100 ms).
#include "shape/OutlineTracer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

namespace {

// A shaped menu on a plain surround: rounded body, round ears, a gradient and specks
// of the surround's colour inside, as painted menu backgrounds have.
QImage menuPicture()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, 1920, 1080);
    gradient.setColorAt(0, QColor(20, 40, 120));
    gradient.setColorAt(1, QColor(200, 220, 255));
    painter.setBrush(gradient);
    QPainterPath body;
    body.addRoundedRect(QRectF(120, 140, 1680, 820), 120, 120);
    body.addEllipse(QRectF(60, 60, 420, 420));
    body.addEllipse(QRectF(1440, 600, 420, 420));
    body.setFillRule(Qt::WindingFill);
    painter.drawPath(body);
    painter.setBrush(QColor(255, 0, 255));
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse(QRectF(300 + 30 * i, 400 + (i % 7) * 40, 12, 12));
    return image;
}

void BM_TraceFullHdPicture(benchmark::State &state)
{
    const QImage image = menuPicture();
    const QRgb key = OutlineTracer::cornerColour(image);
    qsizetype vertices = 0;
    for (auto _ : state) {
        const QList<QPoint> outline = OutlineTracer::trace(image, key);
        vertices = outline.size();
        benchmark::DoNotOptimize(outline.data());
    }
    state.counters["vertices"] = double(vertices);
}
BENCHMARK(BM_TraceFullHdPicture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
