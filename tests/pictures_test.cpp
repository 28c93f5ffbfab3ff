// The built-in pictures: each loads from the program's resources, draws at
// its natural size, and lines up with the controls laid over it, at screen
// scale 1 and 2.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);

// Where the window's controls meet the installation picture, in the
// picture's own pixels (it sits at window pixel (18, 66)).
const QRect kCaptionAndOptions(288, 33, 109, 49);  // "Dewpoint Sensor @" and both option buttons
const QPoint kBallCentre(363, 112);
const int kBallLeaderColumn = 363;  // the sensor leader line, ending on the ball's lower edge
const int kBallLeaderTopRow = 123;
const int kGaugeLeaderColumn = 408;  // the pressure leader line, ending just above the gauge
const int kGaugeLeaderBottomRow = 54;

// Renders a picture at its natural size on a transparent ground, with
// `scale` device pixels per picture pixel.
QImage Render(const QString& name, qreal scale)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + name);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), renderer.defaultSize()));
    return image;
}

// The colour at the centre of picture pixel `p`, whatever the scale.
QColor At(const QImage& image, QPoint p)
{
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int((p.x() + 0.5) * scale), int((p.y() + 0.5) * scale));
}

// Equal but for the last shades that anti-aliasing leaves on a pixel wholly
// inside a shape.
bool Near(const QColor& actual, const QColor& expected)
{
    constexpr int kTolerance = 8;
    return actual.alpha() == 255 && qAbs(actual.red() - expected.red()) <= kTolerance
        && qAbs(actual.green() - expected.green()) <= kTolerance && qAbs(actual.blue() - expected.blue()) <= kTolerance;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void naturalSize_data();
    void naturalSize();
    void icons_data();
    void icons();
    void installationRegistersWithTheWindow_data();
    void installationRegistersWithTheWindow();
};

void PicturesTest::naturalSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("emblem") << "emblem.svg" << QSize(32, 32);
    QTest::newRow("stem and ring") << "stem_ring.svg" << QSize(32, 32);
    QTest::newRow("water drop") << "water_drop.svg" << QSize(32, 32);
    QTest::newRow("installation") << "installation.svg" << QSize(503, 159);
}

void PicturesTest::naturalSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QSvgRenderer renderer(QStringLiteral(":/pictures/") + name);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));
}

void PicturesTest::icons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QColor>>("colours");
    const QList<QPoint> corners{{0, 0}, {31, 0}, {0, 31}, {31, 31}};
    for (const qreal scale : {1.0, 2.0}) {
        const QByteArray at = scale == 1.0 ? " at 1x" : " at 2x";
        QTest::newRow("emblem" + at) << "emblem.svg" << scale << QList<QPoint>{{6, 16}, {16, 3}, {16, 11}, {30, 16}}
                                     << QList<QColor>{kPurple, kWhite, kWhite, kPurple};
        QTest::newRow("stem and ring" + at)
            << "stem_ring.svg" << scale
            << QList<QPoint>{{15, 1}, {16, 4}, {15, 7}, {20, 12}, {16, 12}, {15, 23}, {25, 12}}
            << QList<QColor>{kNavy, kNavy, kNavy, kNavy, Qt::transparent, kNavy, QColor(Qt::transparent)};
        QTest::newRow("water drop" + at) << "water_drop.svg" << scale
                                         << QList<QPoint>{{14, 14}, {16, 26}, {24, 21}, {9, 22}, {16, 0}, {3, 16}}
                                         << QList<QColor>{
                                                kBlue, kBlue, kNavy, kWhite, Qt::transparent, QColor(Qt::transparent)};
        QTest::newRow("emblem corners" + at)
            << "emblem.svg" << scale << corners << QList<QColor>(4, QColor(Qt::transparent));
        QTest::newRow("stem and ring corners" + at)
            << "stem_ring.svg" << scale << corners << QList<QColor>(4, QColor(Qt::transparent));
        QTest::newRow("water drop corners" + at)
            << "water_drop.svg" << scale << corners << QList<QColor>(4, QColor(Qt::transparent));
    }
}

void PicturesTest::icons()
{
    QFETCH(QString, name);
    QFETCH(qreal, scale);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QColor>, colours);
    const QImage image = Render(name, scale);
    QVERIFY(!image.isNull());
    for (int i = 0; i < points.size(); ++i) {
        const QColor colour = At(image, points[i]);
        const QString where = QStringLiteral("(%1, %2)").arg(points[i].x()).arg(points[i].y());
        if (colours[i].alpha() == 0)
            QVERIFY2(colour.alpha() == 0, qPrintable(where + " is not transparent: " + colour.name(QColor::HexArgb)));
        else
            QVERIFY2(Near(colour, colours[i]), qPrintable(where + " is " + colour.name(QColor::HexArgb)));
    }
}

void PicturesTest::installationRegistersWithTheWindow_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void PicturesTest::installationRegistersWithTheWindow()
{
    QFETCH(qreal, scale);
    const QImage image = Render(QStringLiteral("installation.svg"), scale);
    QVERIFY(!image.isNull());

    // Opaque everywhere: a white ground, no holes.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(image.pixelColor(x, y).alpha() == 255, qPrintable(QString("hole at %1, %2").arg(x).arg(y)));

    // Pure white under the caption and the two option buttons.
    for (int y = kCaptionAndOptions.top(); y <= kCaptionAndOptions.bottom(); ++y)
        for (int x = kCaptionAndOptions.left(); x <= kCaptionAndOptions.right(); ++x)
            QVERIFY2(At(image, {x, y}) == kWhite, qPrintable(QString("not white at %1, %2").arg(x).arg(y)));

    // The measuring-point ball: blue at its centre, about 23 px across, its
    // lower edge on the row where the sensor leader line ends.
    QCOMPARE(At(image, kBallCentre), kBlue);
    for (const int dx : {-9, 9})
        QCOMPARE(At(image, kBallCentre + QPoint(dx, 0)), kBlue);
    QVERIFY(At(image, kBallCentre + QPoint(-13, -6)) != kBlue);
    QVERIFY(At(image, kBallCentre + QPoint(13, -6)) != kBlue);
    QVERIFY(At(image, {kBallLeaderColumn, kBallLeaderTopRow}) != kWhite);
    for (int y = kBallLeaderTopRow + 1; y < 159; ++y)
        QVERIFY2(At(image, {kBallLeaderColumn, y}) == kWhite || y >= 150,
            qPrintable(QString("row %1 under the ball").arg(y)));

    // The pressure leader line crosses white down to its end; the gauge dial
    // starts a few pixels below it.
    for (int y = 0; y <= kGaugeLeaderBottomRow; ++y)
        QCOMPARE(At(image, {kGaugeLeaderColumn, y}), kWhite);
    int dialTop = kGaugeLeaderBottomRow + 1;
    while (dialTop < 80 && At(image, {kGaugeLeaderColumn, dialTop}) == kWhite)
        ++dialTop;
    QVERIFY2(dialTop >= 55 && dialTop <= 60, qPrintable(QString("dial starts at row %1").arg(dialTop)));
    QCOMPARE(At(image, {kGaugeLeaderColumn - 2, 67}), kWhite);  // the dial's face
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
