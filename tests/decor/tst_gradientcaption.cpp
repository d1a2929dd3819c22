// The caption bar on real windows (offscreen): the client-side strip when
// forced, the native frame otherwise.
#include "decor/captionbar.h"
#include "decor/captionglyphs.h"
#include "decor/decoratewindow.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class ClosingWindow : public QMainWindow
{
public:
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        event->accept();
    }
};

// A fixed-size dialog whose children sit at fixed places, as the file dialogs do.
QDialog *fixedDialog()
{
    auto *dialog = new QDialog(nullptr, Qt::Tool);
    dialog->setWindowTitle(QStringLiteral("Rename File"));
    dialog->setFixedSize(309, 112);
    auto *button = new QPushButton(QStringLiteral("&OK"), dialog);
    button->setObjectName(QStringLiteral("OkButton"));
    button->setGeometry(16, 72, 80, 28);
    return dialog;
}

CaptionBar *barOf(TGradientCaption *caption)
{
    return static_cast<CaptionBar *>(caption->captionBar());
}

} // namespace

class TestGradientCaption : public QObject
{
    Q_OBJECT

private slots:
    void offscreenKeepsTheNativeFrameAndGeometry()
    {
        QMainWindow window;
        window.resize(570, 450);
        TGradientCaption *caption = decorateWindow(&window, captionSettingsFor(QStringLiteral("TForm1")));
        QVERIFY(!caption->captionBar());
        QVERIFY(!window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.size(), QSize(570, 450));
        QCOMPARE(window.contentsMargins(), QMargins());
        QCOMPARE(caption->objectName(), QStringLiteral("GradientCaption1"));
        QCOMPARE(caption->Enabled(), geWhenActive);
    }

    void clientSideBarTakesTheTopOfTheWindow()
    {
        ClosingWindow window;
        window.setWindowTitle(QStringLiteral("Pixmoor"));
        window.setCentralWidget(new QLabel(QStringLiteral("body")));
        window.resize(570, 450);
        TGradientCaption *caption = decorateWindow(&window, captionSettingsFor(QStringLiteral("TForm1")),
                                                   FrameMode::ClientSide);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CaptionBar *bar = barOf(caption);
        QVERIFY(bar);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        // A resizable window keeps its size; its contents move below the bar.
        QCOMPARE(window.size(), QSize(570, 450));
        QCOMPARE(bar->geometry(), QRect(0, 0, 570, bar->height()));
        QVERIFY(window.centralWidget()->geometry().top() >= bar->height());
        QVERIFY(bar->minimizeButton()->isVisible());
        QVERIFY(bar->maximizeButton()->isEnabled());
        QVERIFY(bar->closeButton()->isVisible());
        QVERIFY(!bar->helpButton()->isVisible());
        window.resize(400, 300);
        QCOMPARE(bar->width(), 400);
        QVERIFY(caption->GetCaptionRect().right() < bar->minimizeButton()->geometry().left());
    }

    void closeButtonRunsTheWindowsClose()
    {
        ClosingWindow window;
        TGradientCaption *caption = new TGradientCaption(&window, FrameMode::ClientSide);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(barOf(caption)->closeButton(), Qt::LeftButton);
        QCOMPARE(window.closeEvents, 1);
        QVERIFY(!window.isVisible());
    }

    // Each glyph is drawn, in one ink for all, standing out 4.5:1 or more
    // against the bar.
    void titleGlyphsContrastWithTheBar()
    {
        ClosingWindow window;
        window.resize(400, 300);
        TGradientCaption *caption = new TGradientCaption(&window, FrameMode::ClientSide);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CaptionBar *bar = barOf(caption);
        QSet<QRgb> inks;
        for (QToolButton *button : {bar->minimizeButton(), bar->maximizeButton(), bar->closeButton()}) {
            const QImage image = button->grab().toImage();
            const QColor background = image.pixelColor(0, 0);
            double best = 1;
            QRgb ink = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (const double ratio = contrastRatio(image.pixelColor(x, y), background); ratio > best) {
                        best = ratio;
                        ink = image.pixel(x, y);
                    }
            QVERIFY2(best >= 4.5, qPrintable(button->objectName() + QString(" reaches %1").arg(best)));
            inks.insert(ink);
        }
        QCOMPARE(inks.size(), 1);
    }

    // A thin dark line rings every frameless window; the resize grips under
    // it still take the pointer and show the resize cursors.
    void framelessWindowHasAnOutlineAndResizeCursors()
    {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("body")));
        window.resize(300, 200);
        new TGradientCaption(&window, FrameMode::ClientSide);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const QColor line = window.palette().color(QPalette::Shadow);
        for (const QPoint &edge : {QPoint(150, 0), QPoint(150, 199), QPoint(0, 100), QPoint(299, 100)})
            QCOMPARE(image.pixel(edge), line.rgb());
        const std::pair<QPoint, Qt::CursorShape> grips[] = {{QPoint(0, 100), Qt::SizeHorCursor},
                                                            {QPoint(299, 100), Qt::SizeHorCursor},
                                                            {QPoint(150, 199), Qt::SizeVerCursor},
                                                            {QPoint(299, 199), Qt::SizeFDiagCursor}};
        for (const auto &[at, shape] : grips) {
            QWidget *under = window.childAt(at);
            QVERIFY(under);
            QCOMPARE(under->objectName(), QString("ResizeGrip"));
            QCOMPARE(under->cursor().shape(), shape);
        }
    }

    void windowMenuOffersWhatTheWindowAllows()
    {
        QDialog *dialog = fixedDialog();
        TGradientCaption *caption = new TGradientCaption(dialog, FrameMode::ClientSide);
        dialog->show();
        CaptionBar *bar = barOf(caption);
        bar->showWindowMenu(QPoint(10, 10));
        const auto enabled = [bar](const char *name) {
            return bar->windowMenu()->findChild<QAction *>(QLatin1String(name))->isEnabled();
        };
        QVERIFY(!enabled("Size"));
        QVERIFY(!enabled("Maximize"));
        QVERIFY(enabled("Move"));
        bar->windowMenu()->hide();
        bar->windowMenu()->findChild<QAction *>(QStringLiteral("Close"))->trigger();
        QVERIFY(!dialog->isVisible());
        delete dialog;
    }

    void fixedDialogGrowsByItsFrame()
    {
        QDialog *dialog = fixedDialog();
        TGradientCaption *caption = decorateWindow(dialog, captionSettingsFor(QStringLiteral("TForm4")),
                                                   FrameMode::ClientSide);
        const int bar = caption->captionBar()->height();
        // The bar on top and a 1-pixel outline around the contents.
        QCOMPARE(dialog->size(), QSize(309 + 2, 112 + bar + 1));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("OkButton"));
        QCOMPARE(ok->geometry(), QRect(16 + 1, 72 + bar, 80, 28));
        // Only a close button on a tool window; no resize grips on a fixed one.
        QVERIFY(!barOf(caption)->minimizeButton()->isVisibleTo(dialog));
        QVERIFY(barOf(caption)->closeButton()->isVisibleTo(dialog));
        // Removing the caption gives the window its frame and layout back.
        delete caption;
        QVERIFY(!dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(dialog->size(), QSize(309, 112));
        QCOMPARE(ok->geometry(), QRect(16, 72, 80, 28));
        delete dialog;
    }

    void barPaintsTheGradientAndFollowsThePalette()
    {
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Drive Information"));
        dialog.resize(400, 200);
        TGradientCaption *caption = decorateWindow(&dialog, captionSettingsFor(QStringLiteral("TOKBottomDlg1")),
                                                   FrameMode::ClientSide);
        caption->AppNameText()->setCaption(QString());
        dialog.setWindowTitle(QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget *bar = caption->captionBar();
        const QRect strip = caption->GetCaptionRect();
        QImage image = bar->grab().toImage();
        const int y = strip.center().y();
        const QColor base = caption->IsActive() ? QApplication::palette().color(QPalette::Active, QPalette::Highlight)
                                                : QApplication::palette().color(QPalette::Inactive, QPalette::Dark);
        // Past the icon the first band is near black; the strip's last band is the caption colour.
        QCOMPARE(QColor(image.pixel(strip.right(), y)), base);
        QVERIFY(qGray(image.pixel(strip.left() + 24, y)) < qGray(base.rgb()) || base.value() < 40);

        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Highlight, QColor(0, 128, 0));
        palette.setColor(QPalette::Inactive, QPalette::Dark, QColor(0, 128, 0));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        image = bar->grab().toImage();
        QCOMPARE(QColor(image.pixel(strip.right(), y)), QColor(0, 128, 0));
    }

    void numColorsRejectsOutOfRangeValues()
    {
        QWidget window;
        ScriptedPrompter prompter;
        TGradientCaption caption(&window, FrameMode::Native, &prompter);
        caption.setNumColors(0);
        QCOMPARE(caption.NumColors(), 64);
        caption.setNumColors(1000);
        QCOMPARE(caption.NumColors(), 256);
        caption.setNumColors(2);
        QCOMPARE(caption.NumColors(), 2);
        QCOMPARE(prompter.texts(QStringLiteral("error")),
                 (QStringList{QStringLiteral("The number of colors must be at least 1"),
                              QStringLiteral("The highest number of gradient colors possible is 256")}));
    }

    void captionTextIsTheWindowTitle()
    {
        QWidget window;
        TGradientCaption caption(&window, FrameMode::Native);
        window.setWindowTitle(QStringLiteral("Copy Files"));
        QCOMPARE(caption.CaptionText()->Caption(), QStringLiteral("Copy Files"));
        caption.CaptionText()->setCaption(QStringLiteral("Move Files"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Move Files"));
    }

    void fontKindsFollowTheCaptionFont()
    {
        QWidget window;
        TGradientCaption caption(&window, FrameMode::Native);
        const QFont system = caption.systemCaptionFont();
        TCompanyText *part = caption.CompanyText();
        part->setFontKind(fkSystemBI);
        QVERIFY(part->Font().bold() && part->Font().italic());
        QCOMPARE(part->Font().family(), system.family());
        QFont big(QStringLiteral("DejaVu Serif"));
        big.setPixelSize(40);
        part->setFont(big);
        QCOMPARE(part->FontKind(), fkCustom);
        QCOMPARE(part->Font().pixelSize(), 40);
        part->setFontKind(fkAutoHeight);
        QCOMPARE(characterHeight(part->Font()), characterHeight(system));
        QCOMPARE(part->Font().family(), big.family());
        part->setFont(big);                               // auto height stays auto height
        QCOMPARE(part->FontKind(), fkAutoHeight);
        QCOMPARE(characterHeight(part->Font()), characterHeight(system));
    }

    void ownerMustBeAWindow()
    {
        QWidget window;
        auto *child = new QWidget(&window);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TGradientCaption(child, FrameMode::Native));
    }
};

QTEST_MAIN(TestGradientCaption)
#include "tst_gradientcaption.moc"
