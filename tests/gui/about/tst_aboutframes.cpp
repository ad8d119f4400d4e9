#include "gui/about/aboutframes.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace tessaron;

namespace {

constexpr double kPi = 3.14159265358979323846;
// One turn over all the frames.
constexpr double kExpectedStep = 360.0 / kAboutFrameCount;
// With the centroid weighted by coverage the measured step is within a few
// hundredths of a degree; a wrong step (a turn in 16 or 17 frames, say) or a
// wrong direction is off by far more than this.
constexpr double kAngleTolerance = 1.0;

bool isLetterRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool isOceanBlue(QRgb pixel)
{
    return qBlue(pixel) > 100 && qBlue(pixel) > qRed(pixel) + 40 &&
           qBlue(pixel) > qGreen(pixel) + 20;
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 16 && qGreen(pixel) < 16 && qBlue(pixel) < 16;
}

int countPixels(const QImage &image, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                ++count;
    return count;
}

// How red a pixel is, counting antialiased edge pixels in proportion to their
// coverage so the centroid follows the letters' outline rather than which
// pixels happen to cross a threshold at each slant.
int redness(QRgb pixel)
{
    return std::max(0, qRed(pixel) - 2 * std::max(qGreen(pixel), qBlue(pixel)));
}

bool isGlobe(QRgb pixel)
{
    return qBlue(pixel) > 60 && qBlue(pixel) > qRed(pixel) + 20;
}

// The middle of the globe, found from the bounding box of its blue ocean and
// halo, so the angles are taken about the point the letters really circle.
QPointF globeCentre(const QImage &image)
{
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isGlobe(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {std::nan(""), std::nan("")};
    return {(left + right + 1) / 2.0, (top + bottom + 1) / 2.0};
}

// The angle, counter-clockwise as the eye sees it, of the red lettering's
// centroid about the globe's middle. Screen y grows downward, hence the
// flipped sign.
double letteringAngle(const QImage &image)
{
    double sumX = 0;
    double sumY = 0;
    double total = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int weight = redness(image.pixel(x, y));
            sumX += weight * (x + 0.5);
            sumY += weight * (y + 0.5);
            total += weight;
        }
    }
    const QPointF centre = globeCentre(image);
    if (total == 0 || std::isnan(centre.x()))
        return std::nan("");
    return std::atan2(centre.y() - sumY / total, sumX / total - centre.x()) * 180.0 / kPi;
}

// How far `to` lies counter-clockwise of `from`, in [0, 360).
double counterClockwiseTurn(double from, double to)
{
    const double turn = std::fmod(to - from, 360.0);
    return turn < 0 ? turn + 360.0 : turn;
}

} // namespace

class TestAboutFrames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hasEighteenFramesOfTheRightSizes();
    void bordersAreBlack();
    void framesArePairwiseDistinct();
    void letteringTurnsCounterClockwiseByEqualSteps();
    void reportedAngleFollowsTheLettering();
    void everyFrameShowsLetteringAndGlobe();
    void globeSitsInTheMiddle();
    void letteringKeepsItsSizeAllRoundTheTurn();
    void outOfRangeNumbersGiveNullImages();
};

void TestAboutFrames::hasEighteenFramesOfTheRightSizes()
{
    const QList<QImage> &frames = aboutFrames();
    QCOMPARE(frames.size(), 18);
    for (int number = 1; number <= 18; ++number) {
        const bool shortFrame = number == 5 || number == 11 || number == 14;
        const QSize expected(80, shortFrame ? 79 : 80);
        QVERIFY2(frames.at(number - 1).size() == expected,
                 qPrintable(QStringLiteral("frame %1").arg(number)));
    }
}

void TestAboutFrames::bordersAreBlack()
{
    // Black all round the edge also means no letter is cut off by the frame.
    for (int number = 1; number <= kAboutFrameCount; ++number) {
        const QImage frame = aboutFrame(number);
        const int right = frame.width() - 1;
        const int bottom = frame.height() - 1;
        QCOMPARE(frame.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(frame.pixel(right, 0), qRgb(0, 0, 0));
        QCOMPARE(frame.pixel(0, bottom), qRgb(0, 0, 0));
        QCOMPARE(frame.pixel(right, bottom), qRgb(0, 0, 0));
        for (int x = 0; x <= right; ++x) {
            QVERIFY2(isBlack(frame.pixel(x, 0)) && isBlack(frame.pixel(x, bottom)),
                     qPrintable(QStringLiteral("frame %1, column %2").arg(number).arg(x)));
        }
        for (int y = 0; y <= bottom; ++y) {
            QVERIFY2(isBlack(frame.pixel(0, y)) && isBlack(frame.pixel(right, y)),
                     qPrintable(QStringLiteral("frame %1, row %2").arg(number).arg(y)));
        }
    }
}

void TestAboutFrames::framesArePairwiseDistinct()
{
    const QList<QImage> &frames = aboutFrames();
    for (int i = 0; i < frames.size(); ++i) {
        for (int j = i + 1; j < frames.size(); ++j) {
            QVERIFY2(
                frames.at(i) != frames.at(j),
                qPrintable(QStringLiteral("frames %1 and %2 are the same").arg(i + 1).arg(j + 1)));
        }
    }
}

void TestAboutFrames::letteringTurnsCounterClockwiseByEqualSteps()
{
    const QList<QImage> &frames = aboutFrames();
    for (qsizetype i = 0; i < frames.size(); ++i) {
        // The last pair closes the loop, so the animation has no seam.
        const qsizetype next = (i + 1) % frames.size();
        const double from = letteringAngle(frames.at(i));
        const double to = letteringAngle(frames.at(next));
        QVERIFY(!std::isnan(from) && !std::isnan(to));
        const double turn = counterClockwiseTurn(from, to);
        QVERIFY2(std::abs(turn - kExpectedStep) <= kAngleTolerance,
                 qPrintable(QStringLiteral("frame %1 -> %2 turns %3 degrees")
                                .arg(i + 1)
                                .arg(next + 1)
                                .arg(turn, 0, 'f', 2)));
    }
}

void TestAboutFrames::reportedAngleFollowsTheLettering()
{
    // The reported start and the drawn word must keep a fixed distance, or the
    // number tells a different story from the picture.
    const double firstOffset =
        counterClockwiseTurn(aboutFrameAngle(1), letteringAngle(aboutFrame(1)));
    for (int number = 1; number <= kAboutFrameCount; ++number) {
        const double angle = aboutFrameAngle(number);
        QVERIFY(angle >= 0.0 && angle < 360.0);
        const int next = number % kAboutFrameCount + 1;
        QVERIFY(std::abs(counterClockwiseTurn(angle, aboutFrameAngle(next)) - kExpectedStep) <
                1e-9);
        const double offset = counterClockwiseTurn(angle, letteringAngle(aboutFrame(number)));
        const double drift = std::abs(std::remainder(offset - firstOffset, 360.0));
        QVERIFY2(
            drift <= kAngleTolerance,
            qPrintable(
                QStringLiteral("frame %1 drifts %2 degrees").arg(number).arg(drift, 0, 'f', 2)));
    }
}

void TestAboutFrames::everyFrameShowsLetteringAndGlobe()
{
    for (int number = 1; number <= kAboutFrameCount; ++number) {
        const QImage frame = aboutFrame(number);
        QVERIFY2(countPixels(frame, isLetterRed) > 60,
                 qPrintable(QStringLiteral("frame %1").arg(number)));
        QVERIFY2(countPixels(frame, isOceanBlue) > 400,
                 qPrintable(QStringLiteral("frame %1").arg(number)));
    }
}

void TestAboutFrames::globeSitsInTheMiddle()
{
    // The short frames lose their bottom row, not a row at the top: the globe
    // must stay put, or it would hop as the animation runs.
    for (int number = 1; number <= kAboutFrameCount; ++number) {
        const QPointF centre = globeCentre(aboutFrame(number));
        QVERIFY2(std::abs(centre.x() - 40.0) <= 1.0 && std::abs(centre.y() - 40.0) <= 1.0,
                 qPrintable(QStringLiteral("frame %1: globe centred at %2,%3")
                                .arg(number)
                                .arg(centre.x())
                                .arg(centre.y())));
        QCOMPARE(centre, globeCentre(aboutFrame(1)));
    }
}

void TestAboutFrames::letteringKeepsItsSizeAllRoundTheTurn()
{
    // A letter lost under the globe or off the edge shows as a frame with
    // less red than the others; coverage makes the amount steady otherwise.
    double least = std::numeric_limits<double>::max();
    double most = 0;
    for (const QImage &frame : aboutFrames()) {
        double red = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                red += redness(frame.pixel(x, y));
        least = std::min(least, red);
        most = std::max(most, red);
    }
    QVERIFY2(least >= most * 0.95,
             qPrintable(QStringLiteral("red amounts range %1..%2").arg(least).arg(most)));
}

void TestAboutFrames::outOfRangeNumbersGiveNullImages()
{
    for (int number : {0, 19, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        QVERIFY(aboutFrame(number).isNull());
}

QTEST_MAIN(TestAboutFrames)
#include "tst_aboutframes.moc"
