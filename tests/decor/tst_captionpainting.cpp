// Gradient bands, caption layout and painting, without windows.
#include "decor/captionglyphs.h"
#include "decor/captionlayout.h"
#include "decor/captionpainter.h"
#include "decor/captionsettings.h"
#include "decor/gradientbands.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestCaptionPainting : public QObject
{
    Q_OBJECT

private:
    static CaptionScene scene(int width)
    {
        CaptionScene s;
        s.rect = QRect(0, 0, width, 20);
        s.colors = {QColor(0, 0, 128), QColor(128, 128, 128), Qt::white, QColor(192, 192, 192)};
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        s.company = {QStringLiteral("Kelvane Software"), font, {}, {}, true};
        s.application = {QStringLiteral("Pixmoor"), font, {}, {}, true};
        s.caption = {QStringLiteral("Drive Information"), font, {}, {}, true};
        return s;
    }
    static QImage paint(const CaptionScene &s)
    {
        QImage image(s.rect.width(), s.rect.height(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        PaintCaption(painter, s);
        return image;
    }

private slots:
    // Black on white is 21:1, equal colours 1:1; the glyph ink reaches 4.5:1
    // against any bar colour, including the mid-greys where neither black
    // nor white does well.
    void glyphInkStandsOutAgainstEveryBar()
    {
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(contrastRatio(QColor(0x30, 0x8c, 0xc6), QColor(0x30, 0x8c, 0xc6)), 1.0);
        QCOMPARE(glyphColourAgainst(QColor(0, 0, 128)), QColor(Qt::white));
        QCOMPARE(glyphColourAgainst(QColor(0xf0, 0xf0, 0xf0)), QColor(Qt::black));
        for (int r = 0; r < 256; r += 17)
            for (int g = 0; g < 256; g += 17)
                for (int b = 0; b < 256; b += 17) {
                    const QColor bar(r, g, b);
                    QVERIFY2(contrastRatio(glyphColourAgainst(bar), bar) >= 4.5, qPrintable(bar.name()));
                }
    }

    // Every glyph leaves ink inside its box, none outside, at 1x and 2x.
    void glyphsStayInsideTheirButtons()
    {
        for (const int side : {18, 36})
            for (const CaptionGlyph glyph : {CaptionGlyph::Minimize, CaptionGlyph::Maximize, CaptionGlyph::Restore,
                                             CaptionGlyph::Close, CaptionGlyph::Help}) {
                QImage image(side + 8, side + 8, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                paintCaptionGlyph(painter, QRectF(4, 4, side, side), glyph, Qt::black);
                painter.end();
                int inside = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        if (image.pixel(x, y) == qRgb(255, 255, 255))
                            continue;
                        QVERIFY(QRect(4, 4, side, side).contains(x, y));
                        ++inside;
                    }
                QVERIFY2(inside > side / 2, qPrintable(QString("glyph %1 at %2").arg(int(glyph)).arg(side)));
            }
    }

    void mulDivRounds_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 63 << 640 << 64 << 630;
        QTest::newRow("half up") << 1 << 1 << 2 << 1;
        QTest::newRow("below half") << 1 << 100 << 3 << 33;
        QTest::newRow("above half") << 2 << 100 << 3 << 67;
        QTest::newRow("negative half away") << 1 << -1 << 2 << -1;
        QTest::newRow("negative colour step") << 32 << -128 << 63 << -65;
        QTest::newRow("no overflow") << 100000 << 100000 << 100000 << 100000;
    }
    void mulDivRounds()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(mulDiv(a, b, c), expected);
    }

    void sixtyFourBandsOf640PixelsAreTenWide()
    {
        const QColor caption(10, 36, 106);
        const auto bands = gradientBands(Qt::black, caption, QRect(0, 0, 640, 18), 64);
        QCOMPARE(bands.size(), 64);
        for (int i = 0; i < bands.size(); ++i) {
            QCOMPARE(bands[i].rect.x(), i * 10);
            QCOMPARE(bands[i].rect.width(), 10);
        }
        QCOMPARE(bands.first().color, QColor(Qt::black));
        QCOMPARE(bands.last().color, caption);
        // Painted, the last column is the caption colour exactly.
        QImage image(640, 18, QImage::Format_RGB32);
        QPainter painter(&image);
        DrawGradient(painter, Qt::black, caption, image.rect(), 64);
        painter.end();
        QCOMPARE(QColor(image.pixel(0, 5)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(639, 5)), caption);
        QCOMPARE(QColor(image.pixel(635, 5)), caption);
    }

    void oneColourFillsAndTwoSplitInHalves()
    {
        const QColor caption(0, 0, 128);
        const auto one = gradientBands(QColor(200, 10, 10), caption, QRect(5, 0, 101, 10), 1);
        QCOMPARE(one.size(), 1);
        QCOMPARE(one[0].rect, QRect(5, 0, 101, 10));
        QCOMPARE(one[0].color, QColor(200, 10, 10));
        const auto two = gradientBands(Qt::black, caption, QRect(0, 0, 101, 10), 2);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0].rect, QRect(0, 0, 51, 10));   // 50.5 rounds up
        QCOMPARE(two[1].rect, QRect(51, 0, 50, 10));
        QCOMPARE(two[0].color, QColor(Qt::black));
        QCOMPARE(two[1].color, caption);
    }

    void textsDropInOrderOnNarrowBars_data()
    {
        QTest::addColumn<int>("available");
        QTest::addColumn<bool>("company");
        QTest::addColumn<bool>("application");
        QTest::addColumn<int>("total");
        // Widths: company 50, application 40, caption 30.
        QTest::newRow("room for all") << 121 << true << true << 120;
        QTest::newRow("exactly all is too little") << 120 << false << true << 70;
        QTest::newRow("application and caption") << 71 << false << true << 70;
        QTest::newRow("caption alone") << 70 << false << false << 30;
        QTest::newRow("nothing fits") << 10 << false << false << 30;
    }
    void textsDropInOrderOnNarrowBars()
    {
        QFETCH(int, available);
        QFETCH(bool, company);
        QFETCH(bool, application);
        QFETCH(int, total);
        const CaptionTextLayout layout = layoutCaptionTexts({50, 40, 30}, available, true);
        QCOMPARE(layout.showCompany, company);
        QCOMPARE(layout.showApplication, application);
        QCOMPARE(layout.total, total);
        QCOMPARE(layout.indent, 0);
    }

    void oldStyleBarsCentreTheTexts()
    {
        QCOMPARE(layoutCaptionTexts({50, 40, 30}, 221, false).indent, 50);
        QCOMPARE(layoutCaptionTexts({50, 40, 30}, 60, false).indent, 15);
        QCOMPARE(layoutCaptionTexts({50, 40, 30}, 25, false).indent, 0);
    }

    void captionRectLeavesRoomForTheButtons_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("newShell");
        QTest::addColumn<QRect>("expected");
        // 200 x 100 window, default metrics: frame 4, dialog frame 3, caption 22/18, buttons 24/16.
        QTest::newRow("sizeable") << int(TBorderStyle::Sizeable) << true << QRect(4, 4, 192 - 26 - 48, 21);
        QTest::newRow("dialog") << int(TBorderStyle::Dialog) << true << QRect(3, 3, 194 - 26, 21);
        QTest::newRow("tool") << int(TBorderStyle::ToolWindow) << true << QRect(3, 3, 194 - 18, 17);
        QTest::newRow("old sizeable") << int(TBorderStyle::Sizeable) << false << QRect(28, 4, 192 - 48 - 24, 21);
        QTest::newRow("none") << int(TBorderStyle::None) << true << QRect();
    }
    void captionRectLeavesRoomForTheButtons()
    {
        QFETCH(int, style);
        QFETCH(bool, newShell);
        QFETCH(QRect, expected);
        CaptionFrame frame;
        frame.style = TBorderStyle(style);
        frame.newShell = newShell;
        QCOMPARE(GetCaptionRect(QSize(200, 100), frame, CaptionMetrics()), expected);
    }

    void narrowBarCutsTheCaptionWithAnEllipsis()
    {
        CaptionScene s = scene(60);
        s.company.text.clear();
        const int full = captionPartWidth(s.caption);
        QVERIFY(full > 60);
        QImage image = paint(s);
        // Text was drawn (white pixels) and stops short of the bar's end.
        int rightmostText = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (QColor(image.pixel(x, y)) == QColor(Qt::white))
                    rightmostText = x;
        QVERIFY(rightmostText > 0);
        QVERIFY(rightmostText < 60);
        const QFontMetrics metrics(s.caption.font);
        const QString cut = metrics.elidedText(s.caption.text, Qt::ElideRight, 60 - 3);
        QVERIFY(cut.endsWith(QChar(0x2026)));
    }

    void whenActiveBarIsPlainWhileInactive()
    {
        CaptionScene s = scene(300);
        s.enabled = geWhenActive;
        s.caption.text.clear();
        s.application.text.clear();
        s.company.text.clear();
        s.active = false;
        QImage inactive = paint(s);
        for (int x : {0, 100, 299})
            QCOMPARE(QColor(inactive.pixel(x, 10)), QColor(128, 128, 128));
        s.active = true;
        QImage active = paint(s);
        QCOMPARE(QColor(active.pixel(0, 10)), QColor(Qt::black));
        QCOMPARE(QColor(active.pixel(299, 10)), QColor(0, 0, 128));
        s.enabled = geNever;
        QCOMPARE(QColor(paint(s).pixel(0, 10)), QColor(0, 0, 128));
    }

    void companyTextIsDrawnOnlyWhenItFits()
    {
        CaptionScene wide = scene(600);
        CaptionScene narrow = scene(600);
        narrow.rect.setWidth(captionPartWidth(wide.application) + captionPartWidth(wide.caption) + 2);
        const QImage all = paint(wide);
        const QImage dropped = paint(narrow);
        // With the company text dropped the application name moves to the left edge.
        CaptionScene appFirst = scene(narrow.rect.width());
        appFirst.company.text.clear();
        QCOMPARE(dropped, paint(appFirst));
        QVERIFY(all.copy(narrow.rect) != dropped);
    }

    void settingsTableNamesEachWindow()
    {
        const CaptionSettings main = captionSettingsFor(QStringLiteral("TForm1"));
        QCOMPARE(main.enabled, geWhenActive);
        QVERIFY(main.appName.isEmpty());
        QCOMPARE(main.captionFontKind, fkCustom);
        QVERIFY(!main.captionFont.bold());
        for (const char *name : {"TForm2", "TForm8", "TOKBottomDlg", "TOKBottomDlg1", "TAboutBox"}) {
            const CaptionSettings s = captionSettingsFor(QLatin1String(name));
            QCOMPARE(s.enabled, geAlways);
            QCOMPARE(s.appName, QStringLiteral("Pixmoor"));
            QCOMPARE(s.captionFontKind, fkAutoHeight);
            QVERIFY(s.captionFont.bold() && s.captionFont.italic());
            QCOMPARE(s.numColors, 64);
            QCOMPARE(s.color, QColor(Qt::black));
        }
        for (const char *name : {"TForm13", "TForm14", "TForm15", "TForm16"})
            QCOMPARE(captionSettingsFor(QLatin1String(name)).captionFontKind, fkCustom);
        QCOMPARE(captionSettingsFor(QStringLiteral("TOKBottomDlg")).companyFontKind, fkCustom);
        QCOMPARE(captionSettingsFor(QStringLiteral("TForm5")).companyFontKind, fkSystemBI);
    }
};

QTEST_MAIN(TestCaptionPainting)
#include "tst_captionpainting.moc"
