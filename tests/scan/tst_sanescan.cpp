// Scanning through SANE's own test backend, configured in a private folder:
// the pictures against scanimage's, the settings and source dialogs, the
// progress box's Cancel, the busy flag, and the scan window's saving.
#include "imagetesthelpers.h"
#include "imagebox/imagebox.h"
#include "scan/sanebackend.h"
#include "scan/scan.h"
#include "scan/scanoptionsdialog.h"
#include "scan/scansourcedialog.h"
#include "support/modaldialog.h"
#include "support/mainwindowfixture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QFileDialog>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace imagelib;

namespace {
const QStringList ColourPattern = {"mode Color", "resolution 75.0", "test-picture \"Color pattern\""};

// dll.conf naming the test backend (or nothing) and test.conf with lines.
void configureSane(const QTemporaryDir &folder, const QStringList &lines, bool withTestBackend = true)
{
    TestEnvironment::writeFile(folder.filePath("dll.conf"), withTestBackend ? QByteArray("test\n") : QByteArray());
    TestEnvironment::writeFile(folder.filePath("test.conf"), lines.join('\n').toUtf8() + '\n');
    qputenv("SANE_CONFIG_DIR", folder.path().toLocal8Bit());
}

// What scanimage delivers from the same device and settings.
QImage scanimagePicture(const QString &output)
{
    QProcess scanimage;
    scanimage.start(QStringLiteral("scanimage"), {"-d", "test:0", "--format=pnm", "-o", output});
    if (!scanimage.waitForFinished(60000) || scanimage.exitCode() != 0)
        return {};
    return QImage(output).convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestSaneScan : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pictureMatchesScanimage_data();
    void pictureMatchesScanimage();
    void acquireIntoScanWindowAndSaveInEverFormat();
    void saveDialogReplacesTheExtensionAndAsks();
    void chosenSettingsAreUsed();
    void secondAcquireWhileOneRunsDoesNothing();
    void cancelInTheProgressBoxEndsTheScan();
    void noScannerIsReported();
    void sourceChoiceLastsForTheRun();

private:
    TForm9 &openScanWindow();

    QTemporaryDir m_config;
    std::unique_ptr<MainWindowFixture> m_window;
    std::unique_ptr<TForm9> m_form9;
    SaneScannerBackend *m_backend = nullptr;
};

void TestSaneScan::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("scanimage")).isEmpty())
        QSKIP("needs scanimage (sane-utils)");
}

void TestSaneScan::init()
{
    configureSane(m_config, QStringList({"number_of_devices 1"}) + ColourPattern);
    auto backend = std::make_unique<SaneScannerBackend>();
    m_backend = backend.get();
    setScannerBackend(std::move(backend));
    m_window = std::make_unique<MainWindowFixture>();
}

void TestSaneScan::cleanup()
{
    m_form9.reset();
    m_window.reset();
    setScannerBackend(nullptr);
}

TForm9 &TestSaneScan::openScanWindow()
{
    TForm1 &form = m_window->create();
    m_form9 = std::make_unique<TForm9>(m_window->prompter);
    form.attachParts({.scan = m_form9.get()});
    return *m_form9;
}

void TestSaneScan::pictureMatchesScanimage_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("colour") << ColourPattern << 0.0;
    QTest::newRow("grey") << QStringList({"mode Gray", "resolution 75.0", "test-picture \"Color pattern\""}) << 0.0;
    QTest::newRow("line art") << QStringList({"mode Gray", "depth 1", "resolution 75.0", "test-picture \"Grid\""})
                              << 0.0;
    QTest::newRow("three pass") << ColourPattern + QStringList({"three-pass true"}) << 0.0;
    // 16-bit samples: rounding to 8 bits may differ by one step.
    QTest::newRow("16 bit") << ColourPattern + QStringList({"depth 16"}) << 0.6;
}

void TestSaneScan::pictureMatchesScanimage()
{
    QFETCH(QStringList, settings);
    QFETCH(double, tolerance);
    configureSane(m_config, QStringList({"number_of_devices 1"}) + settings);
    AcquireOptions options;
    options.showSourceDialog = false;
    QImage scanned;
    QCOMPARE(acquireImage(nullptr, options, scanned), Success);
    const QImage expected = scanimagePicture(m_window->env.root() + "/expected.pnm");
    QVERIFY(!expected.isNull());
    QCOMPARE(scanned.size(), expected.size());
    QVERIFY(scanned.width() > 50 && scanned.height() > 50);
    if (tolerance == 0)
        QCOMPARE(imagetest::differingPixels(scanned, expected), 0);
    else
        QVERIFY(imagetest::meanDifference(scanned, expected) <= tolerance);
}

void TestSaneScan::acquireIntoScanWindowAndSaveInEverFormat()
{
    TForm9 &form9 = openScanWindow();
    QStringList offered;
    whenModalShown<ScanOptionsDialog>([&](ScanOptionsDialog &dialog) {
        for (const char *name : {"resolution", "mode", "tl-x", "tl-y", "br-x", "br-y"})
            if (dialog.editor(QString::fromLatin1(name)))
                offered << QString::fromLatin1(name);
        auto *mode = qobject_cast<QComboBox *>(dialog.editor(QStringLiteral("mode")));
        for (int i = 0; mode && i < mode->count(); ++i)
            offered << mode->itemText(i);
        dialog.accept();
    });
    m_window->form->Acquire1Click();
    QVERIFY(form9.isVisible());
    QCOMPARE(form9.windowTitle(), QStringLiteral("Scan Image"));
    for (const char *wanted : {"resolution", "mode", "tl-x", "tl-y", "br-x", "br-y", "Color", "Gray"})
        QVERIFY2(offered.contains(QString::fromLatin1(wanted)), wanted);
    const QImage picture = form9.ImageBox1->picture().bitmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(form9.ImageBox1->size(), picture.size());   // sized to the picture inside the scroll box
    QCOMPARE(m_window->prompter.shown.size(), 0);

    const struct { const char *extension; FileFormat format; double tolerance; } formats[] = {
        {"bmp", FileFormat::Bmp, 0}, {"gif", FileFormat::Gif, 3},  {"jpg", FileFormat::Jpeg, 8},
        {"pcx", FileFormat::Pcx, 0}, {"png", FileFormat::Png, 0}, {"tif", FileFormat::Tiff, 0},
    };
    for (int item = 0; item < 6; ++item) {
        const QString path = m_window->env.root() + "/scan." + formats[item].extension;
        QVERIFY(form9.saveAs(m_window->env.root() + "/scan", item));
        QImage back;
        QCOMPARE(readImage(path, formats[item].format, {}, back), Success);
        QCOMPARE(back.size(), picture.size());
        // Averaged over blocks: JPEG at quality 25 blurs the pattern's edges.
        const QSize blocks = picture.size() / 8;
        const double difference =
            imagetest::meanDifference(back.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                      picture.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(difference <= formats[item].tolerance,
                 qPrintable(QStringLiteral("%1: %2").arg(formats[item].extension).arg(difference)));
    }
    ImageInfo info;
    QCOMPARE(readImageInfo(m_window->env.root() + "/scan.tif", info), Success);
    QCOMPARE(m_window->prompter.shown.size(), 0);
}

void TestSaneScan::saveDialogReplacesTheExtensionAndAsks()
{
    TForm9 &form9 = openScanWindow();
    form9.ImageBox1->UseTwainWindow = false;
    form9.ScanItemClick();
    const QString typed = m_window->env.root() + "/shot.bmp";
    const QString written = m_window->env.root() + "/shot.png";
    auto saveAsPng = [&] {
        whenModalShown<QFileDialog>([&](QFileDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Save Image"));
            dialog.selectNameFilter(QStringLiteral("Png (*.png)"));
            dialog.selectFile(typed);
            static_cast<QDialog &>(dialog).accept();
        });
        form9.SaveAs1Click();
    };
    saveAsPng();
    QVERIFY(QFile::exists(written));
    QVERIFY(!QFile::exists(typed));
    // The name finally written exists now: it is asked about, and No keeps it.
    const QByteArray before = imagetest::fileBytes(written);
    TestEnvironment::writeFile(written, QByteArray("keep me"));
    m_window->prompter.answers.enqueue(Prompter::Button::No);
    saveAsPng();
    QCOMPARE(m_window->prompter.texts("confirm"), QStringList({"File Already Exists shot.png ,Overwrite ?"}));
    QCOMPARE(imagetest::fileBytes(written), QByteArray("keep me"));
    m_window->prompter.answers.enqueue(Prompter::Button::Yes);
    saveAsPng();
    QCOMPARE(imagetest::fileBytes(written), before);
}

void TestSaneScan::chosenSettingsAreUsed()
{
    TForm9 &form9 = openScanWindow();
    form9.ImageBox1->UseTwainWindow = false;
    form9.ScanItemClick();
    const QSize colourSize = form9.ImageBox1->picture().size();
    whenModalShown<ScanOptionsDialog>([](ScanOptionsDialog &dialog) {
        qobject_cast<QComboBox *>(dialog.editor(QStringLiteral("mode")))->setCurrentText(QStringLiteral("Gray"));
        qobject_cast<QDoubleSpinBox *>(dialog.editor(QStringLiteral("resolution")))->setValue(25);
        dialog.accept();
    });
    form9.ImageBox1->UseTwainWindow = true;
    form9.ScanItemClick();
    const QImage grey = form9.ImageBox1->picture().bitmap();
    QVERIFY(!grey.isNull());
    QVERIFY(grey.width() * 2 < colourSize.width());   // 25 dpi against 75
    for (int y = 0; y < grey.height(); y += 7)
        for (int x = 0; x < grey.width(); x += 7) {
            const QRgb pixel = grey.pixel(x, y);
            QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
        }
}

void TestSaneScan::secondAcquireWhileOneRunsDoesNothing()
{
    TForm9 &form9 = openScanWindow();
    bool secondResult = true;
    bool sameDialogAfterSecond = false;
    whenModalShown<ScanOptionsDialog>([&](ScanOptionsDialog &dialog) {
        secondResult = form9.ImageBox1->ScanImage(&form9);
        sameDialogAfterSecond = QApplication::activeModalWidget() == &dialog;   // no second one opened
        dialog.accept();
    });
    QVERIFY(form9.ImageBox1->ScanImage(&form9));
    QVERIFY(!secondResult);
    QVERIFY(sameDialogAfterSecond);
    QCOMPARE(m_window->prompter.shown.size(), 0);
    QVERIFY(!form9.ImageBox1->picture().isEmpty());   // the running scan's picture arrived
}

void TestSaneScan::cancelInTheProgressBoxEndsTheScan()
{
    // 1200 dpi read 16 bytes at a time: a scan of over a second.
    configureSane(m_config, {"number_of_devices 1", "read-limit true", "read-limit-size 16", "mode Color",
                             "resolution 1200.0", "test-picture \"Color pattern\""});
    TForm9 &form9 = openScanWindow();
    form9.ImageBox1->UseTwainWindow = false;
    bool cancelled = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *progress = qobject_cast<QProgressDialog *>(widget); progress && progress->isVisible()) {
                progress->findChild<QPushButton *>()->click();
                cancelled = true;
                poll.stop();
            }
    });
    poll.start(20);
    QVERIFY(!form9.ImageBox1->ScanImage(&form9));
    QVERIFY(cancelled);
    QVERIFY(form9.ImageBox1->picture().isEmpty());
    QCOMPARE(m_window->prompter.texts("error"), QStringList());
}

void TestSaneScan::noScannerIsReported()
{
    configureSane(m_config, {}, false);
    TForm9 &form9 = openScanWindow();
    form9.ImageBox1->UseTwainWindow = false;
    m_window->form->Acquire1Click();
    QCOMPARE(m_window->prompter.texts("error"), QStringList({errorText(NoScanner)}));
    QCOMPARE(m_window->prompter.texts("information"), QStringList({"Scanning Image Failed"}));
    QVERIFY(form9.ImageBox1->picture().isEmpty());
    m_window->form->SelectTwain1Click();
    QCOMPARE(m_window->prompter.texts("error").size(), 2);
    QVERIFY(!form9.isVisible() || form9.windowTitle() == QStringLiteral("Scan Image"));
}

void TestSaneScan::sourceChoiceLastsForTheRun()
{
    configureSane(m_config, QStringList({"number_of_devices 2"}) + ColourPattern);
    openScanWindow();
    QStringList rows;
    whenModalShown<ScanSourceDialog>([&](ScanSourceDialog &dialog) {
        for (int i = 0; i < dialog.DeviceList->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = dialog.DeviceList->topLevelItem(i);
            rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
        }
        dialog.DeviceList->setCurrentItem(dialog.DeviceList->topLevelItem(1));
        dialog.accept();
    });
    m_window->form->SelectTwain1Click();
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows[0].endsWith("|test:0") && rows[1].endsWith("|test:1"), qPrintable(rows.join(", ")));
    QVERIFY(rows[0].startsWith("Noname|"));
    QCOMPARE(m_backend->chosenDevice(), QStringLiteral("test:1"));

    QString preselected;
    QString opened;
    whenModalShown<ScanSourceDialog>([&](ScanSourceDialog &dialog) {
        preselected = dialog.chosenName();
        dialog.reject();
    });
    m_window->form->SelectTwain1Click();
    QCOMPARE(preselected, QStringLiteral("test:1"));
    QCOMPARE(m_backend->chosenDevice(), QStringLiteral("test:1"));   // Cancel keeps the choice
    whenModalShown<ScanOptionsDialog>([&](ScanOptionsDialog &dialog) {
        opened = dialog.windowTitle();
        dialog.accept();
    });
    m_window->form->Acquire1Click();
    QCOMPARE(opened, QStringLiteral("test:1"));
}

QTEST_MAIN(TestSaneScan)
#include "tst_sanescan.moc"
