// Checks the pictures compiled into the program: that each one decodes from its resource path at
// the size the screens lay out for, and that the sign pictures look the part (a large light glyph
// in the middle, the colours of the sign's element, no two alike).

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

const QStringList kSigns = {"aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
                            "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};

QString signPath(const QString& sign) {
    return QStringLiteral(":/signs/%1.jpg").arg(sign);
}

QImage load(const QString& path) {
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

struct Rgb {
    double r = 0, g = 0, b = 0;
    double mean() const { return (r + g + b) / 3; }
};

Rgb averageColour(const QImage& image) {
    Rgb sum;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum.r += qRed(p);
            sum.g += qGreen(p);
            sum.b += qBlue(p);
        }
    }
    const double n = double(image.width()) * image.height();
    return {sum.r / n, sum.g / n, sum.b / n};
}

// Fire is red-orange, earth green or brown (blue the weakest), air a light sky blue or lavender,
// water a deep blue or teal.
QString elementOf(const Rgb& c) {
    if (c.r > c.g + 40 && c.r > c.b + 40)
        return "fire";
    if (c.b < c.r && c.b < c.g)
        return "earth";
    if (c.b > c.r && c.b >= c.g)
        return c.mean() >= 130 ? "air" : "water";
    return "none";
}

// Bounding box of the glyph: near-white pixels inside the ring the glyph sits in.
QRect glyphBox(const QImage& image, QPoint centre, int radius) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            const int dx = x - centre.x(), dy = y - centre.y();
            if (dx * dx + dy * dy > radius * radius)
                continue;
            const QRgb p = image.pixel(x, y);
            if (std::min({qRed(p), qGreen(p), qBlue(p)}) < 210)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

double meanAbsoluteDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void signPicture_data();
    void signPicture();
    void signPicturesAllDiffer();
    void otherPicture_data();
    void otherPicture();
    void bannerRunsFromIndigoToViolet();
    void pointerHotSpotIsOnTheFingertip();
};

void TestPictures::signPicture_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("element");
    const QStringList elements = {"fire", "earth", "air", "water"};
    for (int i = 0; i < kSigns.size(); ++i)
        QTest::newRow(qPrintable(kSigns[i])) << kSigns[i] << elements[i % 4];
}

void TestPictures::signPicture() {
    QFETCH(QString, sign);
    QFETCH(QString, element);

    const QImage image = load(signPath(sign));
    QVERIFY2(!image.isNull(), qPrintable(signPath(sign) + " does not decode"));
    QCOMPARE(image.size(), QSize(200, 200));

    const Rgb average = averageColour(image);
    QCOMPARE(elementOf(average), element);

    // The glyph: large, light, and in the middle of the space above the name.
    const QPoint centre(100, 84);
    const QRect box = glyphBox(image, centre, 64);
    QVERIFY2(box.isValid(), "no light glyph in the middle");
    QVERIFY2(std::max(box.width(), box.height()) >= 80,
             qPrintable(QString("glyph only %1 x %2").arg(box.width()).arg(box.height())));
    QVERIFY2(
        std::abs(box.center().x() - centre.x()) <= 3 &&
            std::abs(box.center().y() - centre.y()) <= 3,
        qPrintable(QString("glyph centred at %1,%2").arg(box.center().x()).arg(box.center().y())));

    // The name along the bottom: light letters in a band that has none of the glyph.
    int lightInBand = 0;
    for (int y = 172; y < 196; ++y)
        for (int x = 0; x < 200; ++x)
            lightInBand += std::min({qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)),
                                     qBlue(image.pixel(x, y))}) >= 200;
    QVERIFY2(lightInBand >= 60,
             qPrintable(QString("name band has %1 light pixels").arg(lightInBand)));
}

void TestPictures::signPicturesAllDiffer() {
    std::vector<QImage> images;
    for (const QString& sign : kSigns) {
        images.push_back(load(signPath(sign)));
        QVERIFY2(!images.back().isNull(), qPrintable(signPath(sign)));
    }
    for (size_t i = 0; i < images.size(); ++i) {
        for (size_t j = i + 1; j < images.size(); ++j) {
            QVERIFY2(images[i] != images[j], qPrintable(kSigns[i] + " equals " + kSigns[j]));
            // Not merely a few pixels apart: each pair must look different.
            const double difference = meanAbsoluteDifference(images[i], images[j]);
            QVERIFY2(difference > 8, qPrintable(QString("%1 and %2 differ by only %3")
                                                    .arg(kSigns[i], kSigns[j])
                                                    .arg(difference)));
        }
    }
}

void TestPictures::otherPicture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparentCorners");

    QTest::newRow("icon") << ":/pictures/icon.png" << QSize(256, 256) << true;
    QTest::newRow("small icon") << ":/pictures/icon-32.png" << QSize(32, 32) << true;
    QTest::newRow("vedic heading") << ":/pictures/vedic-heading.png" << QSize(360, 200) << false;
    QTest::newRow("product") << ":/pictures/product.png" << QSize(160, 160) << true;
    QTest::newRow("lagna initial") << ":/pictures/lagna-initial.png" << QSize(200, 200) << true;
    QTest::newRow("choice rising") << ":/pictures/choice-rising.png" << QSize(48, 48) << true;
    QTest::newRow("choice vedic") << ":/pictures/choice-vedic.png" << QSize(48, 48) << true;
    QTest::newRow("banner") << ":/pictures/banner.png" << QSize(1600, 40) << false;
    QTest::newRow("pointer") << ":/pictures/pointer.png" << QSize(32, 32) << true;
}

void TestPictures::otherPicture() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparentCorners);

    const QImage image = load(path);
    QVERIFY2(!image.isNull(), qPrintable(path + " does not decode"));
    QCOMPARE(image.size(), size);

    const int w = image.width() - 1, h = image.height() - 1;
    const QList<QPoint> corners = {{0, 0}, {w, 0}, {0, h}, {w, h}};
    for (const QPoint& corner : corners) {
        const int alpha = qAlpha(image.pixel(corner));
        if (transparentCorners)
            QVERIFY2(alpha == 0, qPrintable(QString("corner %1,%2 has alpha %3")
                                                .arg(corner.x())
                                                .arg(corner.y())
                                                .arg(alpha)));
        else
            QCOMPARE(alpha, 255);
    }
    // Something is drawn: the pixels are not all of one colour.
    const QRgb first = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; ++y)
        for (int x = 0; x < image.width() && !varied; ++x)
            varied = image.pixel(x, y) != first;
    QVERIFY(varied);
    if (path != ":/pictures/pointer.png" && path != ":/pictures/choice-rising.png")
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
}

void TestPictures::bannerRunsFromIndigoToViolet() {
    const QImage banner = load(":/pictures/banner.png");
    QVERIFY(!banner.isNull());
    const Rgb left = averageColour(banner.copy(0, 0, 100, 40));
    const Rgb right = averageColour(banner.copy(1500, 0, 100, 40));
    // Dark enough behind light text at both ends, bluish throughout, redder towards the right.
    QVERIFY(left.mean() < 90 && right.mean() < 110);
    QVERIFY(left.b > left.r && right.b > right.r);
    QVERIFY(right.r > left.r + 30);
}

void TestPictures::pointerHotSpotIsOnTheFingertip() {
    QFile file(":/pictures/pointer-hotspot.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList fields = QString::fromUtf8(file.readAll()).simplified().split(' ');
    QCOMPARE(fields.size(), 2);
    bool okX = false, okY = false;
    const QPoint hot(fields[0].toInt(&okX), fields[1].toInt(&okY));
    QVERIFY(okX && okY);

    const QImage pointer = load(":/pictures/pointer.png");
    QVERIFY(pointer.rect().contains(hot));
    QVERIFY2(qAlpha(pointer.pixel(hot)) > 128, "hot spot is not on the hand");
    // The finger points up and to the left: the hot spot is in the top-left quarter, within a
    // couple of pixels of the topmost part of the hand.
    QVERIFY(hot.x() < 16 && hot.y() < 16);
    int topRow = -1;
    for (int y = 0; y < pointer.height() && topRow < 0; ++y)
        for (int x = 0; x < pointer.width(); ++x)
            if (qAlpha(pointer.pixel(x, y)) > 128) {
                topRow = y;
                break;
            }
    QVERIFY(topRow >= 0);
    QVERIFY2(hot.y() - topRow <= 2, qPrintable(QString("hand starts at row %1").arg(topRow)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
