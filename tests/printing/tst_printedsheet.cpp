// Contact sheets as they come out on paper: printed through pxsheet (the
// File > Print Thumb command run headless) into a PDF and read back with
// poppler, word boxes and picture sizes in real units.
#include "pdfreader.h"
#include "printtestfiles.h"
#include "support/testenvironment.h"

#include <QProcess>
#include <QTest>

class TestPrintedSheet : public QObject
{
    Q_OBJECT
private slots:
    void sheetReadsRightOnPaper_data();
    void sheetReadsRightOnPaper();
    void relativePathsAreTheStartingFolders();
    void badRequestsAreRefusedWithAReason_data();
    void badRequestsAreRefusedWithAReason();

private:
    TestEnvironment m_env;
};

namespace {

const QString Header = QStringLiteral("Summer holiday");
const QString Foot = QStringLiteral("Printed by Pixmoor");

// Runs pxsheet; its exit code, with what it said in *output.
int runSheet(const QStringList &arguments, QString *output = nullptr, const QString &workingDirectory = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(PXSHEET_PATH), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitCode();
}

// Files named as cameras name them: longer than a cell is wide.
QString makeFolder(const TestEnvironment &env, const QString &name, int pictures)
{
    const QString folder = env.makeFolder(name);
    for (int i = 0; i < pictures; ++i)
        printtest::writePicture(folder + QStringLiteral("/IMG_20230714_%1.png").arg(i, 4, 10, QLatin1Char('0')),
                                QSize(100, 80), QColor::fromHsv(i * 7 % 360, 200, 200));
    return folder;
}

bool isPageText(const pdf::Word &word)
{
    return Header.contains(word.text) || Foot.contains(word.text) || word.text == QLatin1String("Page")
           || (word.text.toInt() > 0 && !word.text.contains(QLatin1Char('.')));
}

QString describe(const pdf::Word &word)
{
    return QStringLiteral("'%1' on page %2 at %3,%4 %5x%6")
        .arg(word.text).arg(word.page).arg(word.box.x()).arg(word.box.y()).arg(word.box.width()).arg(word.box.height());
}

} // namespace

void TestPrintedSheet::sheetReadsRightOnPaper_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");
    QTest::newRow("30 pictures, defaults") << 30 << QStringList() << 1;
    QTest::newRow("150 x 150 at scale 6") << 8 << QStringList{QStringLiteral("--thumb"), QStringLiteral("150x150"),
                                                              QStringLiteral("--scale"), QStringLiteral("6")} << 2;
    QTest::newRow("landscape") << 30 << QStringList{QStringLiteral("--landscape")} << 1;
    QTest::newRow("two pages") << 80 << QStringList() << 2;
}

void TestPrintedSheet::sheetReadsRightOnPaper()
{
    QFETCH(int, pictures);
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    const QString folder = makeFolder(m_env, QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'), pictures);
    const QString pdfPath = folder + QStringLiteral(".pdf");
    QString output;
    QCOMPARE(runSheet(QStringList{folder, pdfPath, QStringLiteral("--header"), Header, QStringLiteral("--foot"), Foot}
                          + options, &output), 0);
    QCOMPARE(pdf::pageCount(pdfPath), pages);

    const QList<pdf::Word> words = pdf::words(pdfPath);
    int names = 0;
    for (const pdf::Word &word : words) {
        QVERIFY2(word.box.height() >= 6, qPrintable(describe(word)));   // at least 6 points high
        names += word.text.endsWith(QLatin1String(".png")) ? 1 : 0;
    }
    QCOMPARE(names, pictures);
    for (qsizetype i = 0; i < words.size(); ++i)
        for (qsizetype j = i + 1; j < words.size(); ++j)
            QVERIFY2(words[i].page != words[j].page || !words[i].box.intersects(words[j].box),
                     qPrintable(describe(words[i]) + QStringLiteral(" overlaps ") + describe(words[j])));
    // The header above every name, the foot texts below them, on every page.
    for (const pdf::Word &word : words) {
        if (isPageText(word))
            continue;
        for (const pdf::Word &other : words) {
            if (other.page != word.page)
                continue;
            if (Header.contains(other.text))
                QVERIFY2(other.box.bottom() < word.box.top(), qPrintable(describe(other) + " / " + describe(word)));
            if (Foot.contains(other.text) || other.text == QLatin1String("Page"))
                QVERIFY2(other.box.top() > word.box.bottom(), qPrintable(describe(other) + " / " + describe(word)));
        }
    }
    const QList<pdf::Image> images = pdf::images(pdfPath);
    QCOMPARE(images.size(), pictures);
    for (const pdf::Image &image : images)
        QVERIFY2(image.widthMm() >= 12 && image.heightMm() >= 12,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(image.widthMm()).arg(image.heightMm())));
}

// Folder and PDF named relative to where the tool is started.
void TestPrintedSheet::relativePathsAreTheStartingFolders()
{
    makeFolder(m_env, QStringLiteral("relative"), 3);
    QString output;
    QCOMPARE(runSheet({QStringLiteral("relative"), QStringLiteral("relative.pdf")}, &output, m_env.root()), 0);
    QVERIFY2(output.contains(QStringLiteral("3 files")), qPrintable(output));
    QCOMPARE(pdf::images(m_env.root() + QStringLiteral("/relative.pdf")).size(), 3);
}

void TestPrintedSheet::badRequestsAreRefusedWithAReason_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("says");
    const QString empty = m_env.makeFolder(QStringLiteral("empty"));
    const QString some = makeFolder(m_env, QStringLiteral("some"), 2);
    QTest::newRow("no pictures") << empty << QStringList() << QStringLiteral("no pictures");
    QTest::newRow("scale 7") << some << QStringList{QStringLiteral("--scale"), QStringLiteral("7")} << QStringLiteral("scale 7");
    QTest::newRow("thumb 10x200") << some << QStringList{QStringLiteral("--thumb"), QStringLiteral("10x200")}
                                  << QStringLiteral("thumbnail size");
    QTest::newRow("unknown type") << some << QStringList{QStringLiteral("--type"), QStringLiteral("xyz")}
                                  << QStringLiteral("unknown type");
    QTest::newRow("missing folder") << m_env.root() + QStringLiteral("/nowhere") << QStringList()
                                    << QStringLiteral("is not a folder");
}

// A clear message, a failing exit status and no PDF, partial or whole.
void TestPrintedSheet::badRequestsAreRefusedWithAReason()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, options);
    QFETCH(QString, says);
    const QString pdfPath = m_env.root() + QStringLiteral("/refused.pdf");
    QString output;
    QCOMPARE(runSheet(QStringList{folder, pdfPath} + options, &output), 1);
    QVERIFY2(output.contains(says), qPrintable(output));
    QVERIFY(!QFile::exists(pdfPath));
}

QTEST_GUILESS_MAIN(TestPrintedSheet)
#include "tst_printedsheet.moc"
