// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The icon is one motif drawn twice: pixel by pixel for 16 pixels, as a
// vector drawing for everything larger.
#include "sumbrix-rendered.h"
#include "sumbrix.xpm"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

QString Asset(const char *name) { return QStringLiteral(SUMBRIX_ASSETS_DIR "/") + QLatin1String(name); }

QImage RenderSvg(int size)
{
    QSvgRenderer svg(Asset("sumbrix.svg"));
    if (!svg.isValid())
        qFatal("sumbrix.svg does not load");
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

enum Ink { Clear, Black, Red, Mixed };

Ink InkOf(QRgb p)
{
    if (qAlpha(p) < 64)
        return Clear;
    if (qAlpha(p) > 192 && qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64)
        return Black;
    if (qAlpha(p) > 192 && qRed(p) > 192 && qGreen(p) < 64 && qBlue(p) < 64)
        return Red;
    return Mixed;
}

// The largest difference in any channel, averaged over the picture.
double MeanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::max({std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                             std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return sum / (x.width() * x.height());
}

}  // namespace

class IconTest : public QObject {
    Q_OBJECT

private slots:
    // At 128 pixels the SVG has smooth edges, not 8-pixel squares, and
    // still shows the 16-pixel motif: seen from afar, each square of the
    // rendering has the colour of the original's pixel.
    void svgIsDrawnNotBlownUp()
    {
        const QImage big = RenderSvg(128);
        const QImage small = QImage(sumbrix_xpm).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(small.size(), QSize(16, 16));
        int unevenSquares = 0, agreeing = 0, softPixels = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                int counts[4] = {};
                for (int dy = 0; dy < 8; ++dy)
                    for (int dx = 0; dx < 8; ++dx) {
                        const QRgb p = big.pixel(x * 8 + dx, y * 8 + dy);
                        ++counts[InkOf(p)];
                        softPixels += qAlpha(p) > 0 && qAlpha(p) < 255;
                    }
                unevenSquares += *std::max_element(counts, counts + 4) < 64;
                const Ink mostly = Ink(std::max_element(counts, counts + 3) - counts);
                agreeing += mostly == InkOf(small.pixel(x, y));
            }
        QVERIFY2(unevenSquares > 40, qPrintable(QString::number(unevenSquares)));
        QVERIFY2(softPixels > 200, qPrintable(QString::number(softPixels)));
        QVERIFY2(agreeing >= 0.85 * 256, qPrintable(QString::number(agreeing)));
    }

    // Every larger PNG, and every size built into the program, is the SVG
    // rendered at that size (another renderer may differ at the edges).
    void renderingsComeFromTheSvg_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QImage>("image");
        for (int size : {32, 48, 64, 128, 256})
            QTest::addRow("sumbrix-%d.png", size)
                << size << QImage(Asset(qPrintable(QStringLiteral("sumbrix-%1.png").arg(size))));
        for (const auto &r : sumbrix_icon::rendered)
            QTest::addRow("built in, %d", r.size)
                << r.size << QImage(r.rgba, r.size, r.size, QImage::Format_RGBA8888).copy();
    }
    void renderingsComeFromTheSvg()
    {
        QFETCH(int, size);
        QFETCH(QImage, image);
        QCOMPARE(image.size(), QSize(size, size));
        const double difference = MeanDifference(image, RenderSvg(size));
        QVERIFY2(difference < 6, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(IconTest)
#include "tst_icon.moc"
