// The Convert command end to end: the dialog, every format and depth, the
// overwrite question, icons and metafiles, Stop, bad targets, Remember Path.
#include "imagetesthelpers.h"
#include "convert/convert.h"
#include "imagebox/imagebox.h"
#include "viewer/pic.h"
#include "support/modaldialog.h"
#include "picture/metafilewriter.h"
#include "support/mainwindowfixture.h"

#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "platform/paths.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <png.h>
#include <tiffio.h>

#include <csetjmp>
#include <cstdio>
#include <QToolButton>

using namespace imagelib;

namespace {
const QSize SourceSize(64, 48);

struct DialogChoice
{
    int kind = 0;
    int color = 0;
    QString target;        // typed into Edit1 unless null
    bool rememberPath = false;
    bool ok = true;
};
} // namespace

class TestConvertCommand : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyFormatAtEveryDepth_data();
    void everyFormatAtEveryDepth();
    void onlySelectedFilesAreConverted();
    void overwriteAsksAndObeys_data();
    void overwriteAsksAndObeys();
    void metafileAndIconAreRenderedFirst();
    void stopEndsTheWalk();
    void badTargetIsReportedBeforeAnyFile();
    void emptyTargetIsRefused();
    void cancelChangesNothing();
    void rememberPath_data();
    void rememberPath();
    void unreadableFileIsReportedAndNotWritten();
    void jpegExtensionIsReadAsJpeg();
    void viewerHoldsTheLastPicture();
    void writesWithTheViewersSettings();

private:
    void open(const QStringList &names);
    void select(const QStringList &captions);
    // Runs Convert with the dialog answered as choice; returns Edit1's text
    // as the dialog opened with it.
    QString convert(const DialogChoice &choice);
    QString statusText() const { return m_window->form->StatusBar1->panelText(1); }
    QString target(const QString &name) const { return m_target + QLatin1Char('/') + name; }

    std::unique_ptr<MainWindowFixture> m_window;
    std::unique_ptr<TOKBottomDlg> m_viewer;
    std::unique_ptr<TForm6> m_form6;
    QString m_source;
    QString m_target;
};

void TestConvertCommand::init()
{
    m_window = std::make_unique<MainWindowFixture>();
    m_viewer = std::make_unique<TOKBottomDlg>(m_window->prompter);
    m_form6 = std::make_unique<TForm6>(m_window->prompter);
    m_source = m_window->env.makeFolder(QStringLiteral("pics"));
    m_target = m_window->env.makeFolder(QStringLiteral("out"));
}

void TestConvertCommand::cleanup()
{
    m_form6.reset();
    m_viewer.reset();
    m_window.reset();
}

void TestConvertCommand::open(const QStringList &names)
{
    TForm1 &form = m_window->create();
    form.attachParts({.convert = m_form6.get(), .viewer = m_viewer.get()});
    form.ListView1->setSorted(true);
    form.DirTree1->SetDirectory(m_source);
    form.selectFilter(QStringLiteral("all"));
    QCOMPARE(form.ListView1->captions().size(), names.size());
    select(names);
}

void TestConvertCommand::select(const QStringList &captions)
{
    QAbstractItemView *view = m_window->form->ListView1->activeView();
    view->clearSelection();
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex index = view->model()->index(row, 0);
        if (captions.contains(index.data().toString()))
            view->selectionModel()->select(index, QItemSelectionModel::Select);
    }
}

QString TestConvertCommand::convert(const DialogChoice &choice)
{
    QString opened;
    whenModalShown<TForm6>([&](TForm6 &dialog) {
        opened = dialog.Edit1->text();
        dialog.setKindItem(choice.kind);
        dialog.setColorItem(choice.color);
        dialog.CheckBox1->setChecked(choice.rememberPath);
        if (!choice.target.isNull())
            dialog.Edit1->setText(choice.target);
        (choice.ok ? dialog.OkButton : dialog.CancelButton)->click();
    });
    m_window->form->Convert1Click();
    return opened;
}

void TestConvertCommand::everyFormatAtEveryDepth_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("bitsPerPixel");
    // Kind items: Bmp Gif Jpeg Pcx Png Tiff; colour items: Automatic, 16,
    // 256, True Colour, Vga, Monochrome. The offscreen screen has 32 bits,
    // so Automatic means true colour (at most 256 colours for GIF).
    const char *names[] = {"bmp", "gif", "jpg", "pcx", "png", "tif"};
    const int bits[6][6] = {
        {24, 4, 8, 24, 4, 1}, {8, 4, 8, 8, 4, 1},     {24, 24, 24, 24, 24, 8},
        {24, 4, 8, 24, 4, 1}, {24, 4, 8, 24, 4, 1}, {24, 4, 8, 24, 4, 1},
    };
    const char *colors[] = {"automatic", "16", "256", "true", "vga", "mono"};
    for (int kind = 0; kind < 6; ++kind)
        for (int color = 0; color < 6; ++color)
            QTest::addRow("%s-%s", names[kind], colors[color])
                << kind << color << QString::fromLatin1(names[kind]) << bits[kind][color];
}

void TestConvertCommand::everyFormatAtEveryDepth()
{
    QFETCH(int, kind);
    QFETCH(int, color);
    QFETCH(QString, extension);
    QFETCH(int, bitsPerPixel);
    const QImage source = imagetest::smoothPicture(SourceSize.width(), SourceSize.height());
    QVERIFY(succeeded(writePng(m_source + "/photo.png", 24, false, source)));
    open({QStringLiteral("photo.png")});
    convert({kind, color, m_target});

    const QString written = target("photo." + extension);
    ImageInfo info;
    QVERIFY2(succeeded(readImageInfo(written, info)), qPrintable(written));
    QCOMPARE(QSize(info.width, info.height), SourceSize);
    QCOMPARE(info.bitsPerPixel, bitsPerPixel);
    // Another program's reading, averaged over blocks so that dithering
    // does not count, must show the same picture. (ImageMagick 6 shows
    // black-and-white PCX files inverted, whatever their palette says.)
    const QImage decoded = extension == "pcx" ? imagetest::decodeWithGraphicsMagick(written)
                                              : imagetest::decodeWithImageMagick(written);
    QCOMPARE(decoded.size(), SourceSize);
    const QSize blocks(8, 6);
    QImage expected = source.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage got = decoded.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (bitsPerPixel == 1 || (extension == "jpg" && color == 5)) {
        expected = expected.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
        got = got.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    }
    const double difference = imagetest::meanDifference(expected, got);
    QVERIFY2(difference < 24, qPrintable(QString::number(difference)));
    QCOMPARE(m_window->prompter.shown.size(), 0);
    QCOMPARE(statusText(), QStringLiteral("Finished Converting Files"));
    QCOMPARE(m_viewer->ImageBox1->ImageWriteRes, TSaveResolution::sAutoMatic);
}

void TestConvertCommand::onlySelectedFilesAreConverted()
{
    for (const char *name : {"a.bmp", "b.bmp", "c.bmp"})
        QVERIFY(succeeded(writeBmp(m_source + "/" + name, 24, imagetest::gradientPicture(20, 10))));
    open({QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp")});
    select({QStringLiteral("a.bmp"), QStringLiteral("c.bmp")});
    convert({4, 0, m_target});
    QCOMPARE(QDir(m_target).entryList(QDir::Files), QStringList({"a.png", "c.png"}));
    QCOMPARE(m_window->form->ProgressBar1->value(), 0);
}

void TestConvertCommand::overwriteAsksAndObeys_data()
{
    QTest::addColumn<Prompter::Button>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes") << Prompter::Button::Yes << true;
    QTest::newRow("no") << Prompter::Button::No << false;
}

void TestConvertCommand::overwriteAsksAndObeys()
{
    QFETCH(Prompter::Button, answer);
    QFETCH(bool, replaced);
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(30, 20))));
    QVERIFY(succeeded(writeGif(target("a.gif"), 8, imagetest::blockPicture(5, 5, 2))));
    const QByteArray before = imagetest::fileBytes(target("a.gif"));
    open({QStringLiteral("a.bmp")});
    m_window->prompter.answers.enqueue(answer);
    convert({1, 0, m_target});

    QCOMPARE(m_window->prompter.texts("confirm"), QStringList({"File Already Exists a.gif ,Overwrite ?"}));
    QCOMPARE(m_window->prompter.shown.first().buttons,
             QList<Prompter::Button>({Prompter::Button::Yes, Prompter::Button::No}));
    QCOMPARE(imagetest::fileBytes(target("a.gif")) != before, replaced);
    ImageInfo info;
    QVERIFY(succeeded(readImageInfo(target("a.gif"), info)));
    QCOMPARE(info.width, replaced ? 30 : 5);
}

void TestConvertCommand::metafileAndIconAreRenderedFirst()
{
    WmfWriter wmf;
    wmf.window(QRect(0, 0, 1000, 500)).brush(qRgb(200, 0, 0)).select(0).shape(wmfrec::Rectangle, QRect(0, 0, 1000, 500));
    QVERIFY(imagetest::writeBytes(m_source + "/a.wmf", wmf.placeable(QRect(0, 0, 1000, 500), 1440)));
    QImage icon(48, 48, QImage::Format_ARGB32);
    icon.fill(qRgb(0, 0, 220));
    QVERIFY(imagetest::writeBytes(m_source + "/b.ico", iconFile({{icon, 32}})));
    open({QStringLiteral("a.wmf"), QStringLiteral("b.ico")});
    select({QStringLiteral("a.wmf"), QStringLiteral("b.ico")});
    convert({1, 0, m_target});

    QCOMPARE(m_window->prompter.shown.size(), 0);
    QImage gif;
    QVERIFY(succeeded(readImage(target("a.gif"), FileFormat::Gif, {}, gif)));
    QCOMPARE(gif.size(), QSize(300, 300));   // the metafile's 2:1 shape is not kept
    QCOMPARE(QColor(gif.pixel(150, 150)), QColor(200, 0, 0));
    QVERIFY(succeeded(readImage(target("b.gif"), FileFormat::Gif, {}, gif)));
    QCOMPARE(gif.size(), QSize(32, 32));
    QCOMPARE(QColor(gif.pixel(16, 16)), QColor(0, 0, 220));
    QVERIFY(!QFile::exists(privateTempDirectory() + "$.bmp"));
}

void TestConvertCommand::stopEndsTheWalk()
{
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        names << QStringLiteral("f%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(succeeded(writeBmp(m_source + "/" + names.last(), 24, imagetest::gradientPicture(16, 16))));
    }
    open(names);
    // Stop is clicked as soon as the walk first lets messages run.
    TForm1 &form = *m_window->form;
    std::function<void()> clickStop = [&] {
        if (form.isBusy() && form.StopButton->isEnabled())
            form.StopButton->click();
        else
            QTimer::singleShot(0, clickStop);
    };
    whenModalShown<TForm6>([&](TForm6 &dialog) {
        dialog.Edit1->setText(m_target);
        dialog.OkButton->click();
        QTimer::singleShot(0, clickStop);
    });
    m_window->form->Convert1Click();
    QCOMPARE(QDir(m_target).entryList(QDir::Files), QStringList({"f00.bmp"}));
    QCOMPARE(statusText(), QStringLiteral("Finished Converting Files"));
    QVERIFY(!m_window->form->state.StopRequested);
    QVERIFY(!m_window->form->isBusy());
    QCOMPARE(m_window->form->ProgressBar1->value(), 0);
}

void TestConvertCommand::badTargetIsReportedBeforeAnyFile()
{
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    open({QStringLiteral("a.bmp")});
    const QString missing = m_window->env.root() + "/no/such/folder";
    convert({1, 0, missing});
    QCOMPARE(m_window->prompter.texts("error"), QStringList({"Error Cannot Access Path " + missing}));
    QVERIFY(m_viewer->ImageBox1->ImageName().isEmpty());   // nothing was read
    QVERIFY(!QFileInfo::exists(m_window->env.root() + "/no"));
    QCOMPARE(statusText(), QStringLiteral("Finished Converting Files"));
    QCOMPARE(QDir(workingDirectory()), QDir(m_source));
}

void TestConvertCommand::emptyTargetIsRefused()
{
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    open({QStringLiteral("a.bmp")});
    convert({1, 0, QStringLiteral("")});
    QCOMPARE(m_window->prompter.texts("error"),
             QStringList({"You Have Not Specified A Target Directory For The Converted Images"}));
    QVERIFY(!QFile::exists(m_source + "/a.gif"));
}

void TestConvertCommand::cancelChangesNothing()
{
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    open({QStringLiteral("a.bmp")});
    const QString before = statusText();
    DialogChoice choice{2, 5, m_target};
    choice.ok = false;
    convert(choice);
    QCOMPARE(QDir(m_target).entryList(QDir::Files), QStringList());
    QCOMPARE(m_viewer->ImageBox1->ImageWriteRes, TSaveResolution::sAutoMatic);
    QCOMPARE(statusText(), before);
}

void TestConvertCommand::rememberPath_data()
{
    QTest::addColumn<bool>("remember");
    QTest::newRow("off") << false;
    QTest::newRow("on") << true;
}

void TestConvertCommand::rememberPath()
{
    QFETCH(bool, remember);
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    open({QStringLiteral("a.bmp")});
    const QString first = convert({1, 0, m_target, remember});
    QCOMPARE(QDir(first), QDir(m_source));   // off at first: the current folder
    const QString second = convert({4, 0, QString(), remember});
    QCOMPARE(QDir(second), QDir(remember ? m_target : m_source));
    QVERIFY(QFile::exists(target("a.png")) == remember);
    QVERIFY(QFile::exists(m_source + "/a.png") == !remember);
}

void TestConvertCommand::unreadableFileIsReportedAndNotWritten()
{
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    TestEnvironment::writeFile(m_source + "/b.bmp", QByteArray("BM not really a bitmap"));
    QVERIFY(succeeded(writeBmp(m_source + "/c.bmp", 24, imagetest::gradientPicture(16, 16))));
    TestEnvironment::writeFile(m_source + "/d.wmf", QByteArray("no metafile"));
    const QStringList all = {"a.bmp", "b.bmp", "c.bmp", "d.wmf"};
    open(all);
    select(all);
    convert({4, 0, m_target});
    // Neither the previous picture nor an empty one is written under the
    // names of the files that could not be read.
    QCOMPARE(QDir(m_target).entryList(QDir::Files), QStringList({"a.png", "c.png"}));
    QCOMPARE(m_window->prompter.texts("information"), QStringList({"Reading bmp file failed"}));
    QVERIFY(m_window->prompter.texts("error").contains("Error Reading File d.wmf"));
    QVERIFY(!m_window->prompter.texts("information").contains("Writing png file failed"));
}

void TestConvertCommand::jpegExtensionIsReadAsJpeg()
{
    const QImage photo = imagetest::smoothPicture(40, 30);
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::blockPicture(40, 30, 2))));
    QVERIFY(succeeded(writeJpeg(m_source + "/b.jpeg", 95, 0, 24, photo)));
    open({QStringLiteral("a.bmp"), QStringLiteral("b.jpeg")});
    select({QStringLiteral("a.bmp"), QStringLiteral("b.jpeg")});
    convert({4, 3, m_target});
    QImage written;
    QVERIFY(succeeded(readImage(target("b.png"), FileFormat::Png, {}, written)));
    QVERIFY(imagetest::meanDifference(written, photo) < 4);
}

void TestConvertCommand::viewerHoldsTheLastPicture()
{
    QVERIFY(succeeded(writeBmp(m_source + "/a.bmp", 24, imagetest::gradientPicture(16, 16))));
    QVERIFY(succeeded(writeBmp(m_source + "/b.bmp", 24, imagetest::gradientPicture(33, 21))));
    open({QStringLiteral("a.bmp"), QStringLiteral("b.bmp")});
    select({QStringLiteral("a.bmp"), QStringLiteral("b.bmp")});
    convert({0, 0, m_target});
    QCOMPARE(m_viewer->ImageBox1->picture().size(), QSize(33, 21));
}

namespace {
quint16 tiffCompression(const QString &path)
{
    TIFF *tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff)
        return 0;
    quint16 compression = 0;
    TIFFGetField(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFClose(tiff);
    return compression;
}

int pngInterlace(const QString &path)
{
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return -1;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    volatile int interlace = -1;   // read after a longjmp from libpng
    if (!setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        png_read_info(png, info);
        interlace = png_get_interlace_type(png, info);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return interlace;
}
} // namespace

// Convert writes through the viewer's image control and so with its
// settings: LZW for TIFF, interlaced PNG, JPEG at quality 25.
void TestConvertCommand::writesWithTheViewersSettings()
{
    for (const char *name : {"a.bmp", "b.bmp"})
        QVERIFY(succeeded(writeBmp(m_source + "/" + name, 24, imagetest::smoothPicture(40, 30))));
    open({QStringLiteral("a.bmp"), QStringLiteral("b.bmp")});
    convert({5, 0, m_target});
    convert({4, 0, m_target});
    convert({2, 0, m_target});
    for (const char *name : {"a", "b"}) {
        const QString base = target(QString::fromLatin1(name));
        QCOMPARE(tiffCompression(base + ".tif"), quint16(COMPRESSION_LZW));
        QCOMPARE(pngInterlace(base + ".png"), int(PNG_INTERLACE_ADAM7));
        QString quality;
        QProcess identify;
        identify.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%Q"), base + ".jpg"});
        QVERIFY(identify.waitForFinished(30000));
        QCOMPARE(QString::fromLatin1(identify.readAllStandardOutput()).trimmed(), QString("25"));
    }
}

QTEST_MAIN(TestConvertCommand)
#include "tst_convertcommand.moc"
