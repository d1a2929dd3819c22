// Version parsing, the Active setter and the version resource file.
#include "decor/verinfo.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

using Numbers = std::array<int, 4>;
Q_DECLARE_METATYPE(Numbers)

namespace {

int wordAt(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dwordAt(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace

class TestVersionInfo : public QObject
{
    Q_OBJECT

private slots:
    void parsesVersionTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Numbers>("expected");
        QTest::newRow("letters skipped") << "1.01b" << Numbers{1, 1, 0, 0};
        QTest::newRow("five numbers") << "1.2.3.4.5" << Numbers{1, 2, 3, 5};
        QTest::newRow("empty") << "" << Numbers{0, 0, 0, 0};
        QTest::newRow("zeros") << "0.0.0.0" << Numbers{0, 0, 0, 0};
        QTest::newRow("two numbers") << "1.1" << Numbers{1, 1, 0, 0};
        QTest::newRow("empty slots") << "..7" << Numbers{0, 0, 7, 0};
        QTest::newRow("full") << "4.3.2.1" << Numbers{4, 3, 2, 1};
    }
    void parsesVersionTexts()
    {
        QFETCH(QString, text);
        QFETCH(Numbers, expected);
        QCOMPARE(parseVersionText(text), expected);
        TVersionInfo info;
        info.setFileVerNum(QStringLiteral("9.9.9.9"));
        info.setFileVerNum(text);
        QCOMPARE(info.fileVersion(), expected);
    }

    void unchangedTextIsNotParsedAgain()
    {
        TVersionInfo info;
        QCOMPARE(info.fileVersion(), (Numbers{0, 0, 0, 0}));
        info.setFileVerNum(QStringLiteral("0.0.0.0"));
        QCOMPARE(info.parseCount(), 0);
        info.setProdVerNum(QStringLiteral("1.1"));
        info.setProdVerNum(QStringLiteral("1.1"));
        QCOMPARE(info.parseCount(), 1);
        QCOMPARE(info.productVersion(), (Numbers{1, 1, 0, 0}));
    }

    void emptyStringsGiveTheSmallestFile()
    {
        VersionResourceData data;
        data.fileVersion = {1, 2, 3, 70000};
        const VersionResourceResult r = buildVersionResourceFile(data);
        QVERIFY(r.error.isEmpty());
        QCOMPARE(r.dataSize, 348);
        QCOMPARE(r.bytes.size(), 412);
        // The empty entry, then the version resource's header.
        QCOMPARE(dwordAt(r.bytes, 0), 0u);
        QCOMPARE(dwordAt(r.bytes, 4), 32u);
        QCOMPARE(dwordAt(r.bytes, 8), 0x0000FFFFu);
        QCOMPARE(dwordAt(r.bytes, 32), 348u);
        QCOMPARE(dwordAt(r.bytes, 40), 0x0010FFFFu);
        QCOMPARE(dwordAt(r.bytes, 44), 0x0001FFFFu);
        QCOMPARE(wordAt(r.bytes, 52), 0x0030);
        QCOMPARE(wordAt(r.bytes, 54), 0x0409);
        // Buffer offset b is file offset b + 52.
        const QByteArray buffer = QByteArray(12, '\0') + r.bytes.mid(64);
        QCOMPARE(buffer.size(), 360);
        QCOMPARE(wordAt(buffer, 12), 348);
        QCOMPARE(wordAt(buffer, 14), 52);
        QCOMPARE(buffer.mid(16, 16), QByteArray("VS_VERSION_INFO", 16));
        QCOMPARE(dwordAt(buffer, 32), 0xFEEF04BDu);
        QCOMPARE(dwordAt(buffer, 36), 0x00010000u);
        QCOMPARE(dwordAt(buffer, 40), 0x00010002u);
        QCOMPARE(dwordAt(buffer, 44), 0x00031170u);   // 70000 keeps its low 16 bits
        QCOMPARE(dwordAt(buffer, 64), 4u);
        QCOMPARE(dwordAt(buffer, 68), 1u);
        QCOMPARE(wordAt(buffer, 84), 324 - 87);
        QCOMPARE(buffer.mid(88, 15), QByteArray("StringFileInfo", 15));
        QCOMPARE(wordAt(buffer, 104), 324 - 107);
        QCOMPARE(buffer.mid(108, 9), QByteArray("040904E4", 9));
        QCOMPARE(wordAt(buffer, 120), 17);           // "Comments": key 9 bytes, value at 136
        QCOMPARE(wordAt(buffer, 122), 1);
        QCOMPARE(buffer.mid(124, 9), QByteArray("Comments", 9));
        QCOMPARE(wordAt(buffer, 324), 36);
        QCOMPARE(buffer.mid(328, 12), QByteArray("VarFileInfo", 12));
        QCOMPARE(wordAt(buffer, 340), 20);
        QCOMPARE(wordAt(buffer, 342), 4);
        QCOMPARE(wordAt(buffer, 356), 0x0409);
        QCOMPARE(wordAt(buffer, 358), 0x04E4);
    }

    void blockLengthsCountToTheLastZero()
    {
        VersionResourceData data;
        data.strings[8] = QStringLiteral("1.01b");     // 5 characters: the last block ends 2 short of e
        const QByteArray buffer = QByteArray(12, '\0') + buildVersionResourceFile(data).bytes.mid(64);
        const int lastBlock = 300;                        // as with all strings empty
        const int lastZeroEnd = lastBlock + 20 + 6;       // "ProductVersion" value at s + 20
        QCOMPARE(wordAt(buffer, lastBlock), lastZeroEnd - lastBlock);
        QCOMPARE(wordAt(buffer, 104), lastZeroEnd - 104);
        QCOMPARE(wordAt(buffer, 84), lastZeroEnd - 84);
        QCOMPARE(buffer.mid(lastBlock + 20, 6), QByteArray("1.01b", 6));
        QCOMPARE(wordAt(buffer, 328), 36);                // VarFileInfo at the next 4-aligned offset
    }

    void dataLargerThanTheBufferIsRefused_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::newRow("compact") << false;
        QTest::newRow("wide") << true;
    }
    void dataLargerThanTheBufferIsRefused()
    {
        QFETCH(bool, wide);
        TestEnvironment environment;
        TVersionInfo info;
        info.WideText = wide;
        info.ResFilename = environment.root() + QStringLiteral("/big.res");
        info.Comments = QString(1700, QLatin1Char('x'));
        const QString error = info.writeResourceFile();
        QVERIFY(error.contains(QStringLiteral("2048")));
        QVERIFY(!QFile::exists(info.ResFilename));
        info.Comments = QString(wide ? 700 : 1600, QLatin1Char('x'));
        QCOMPARE(info.writeResourceFile(), QString());
        QVERIFY(QFileInfo(info.ResFilename).size() <= 2048 + 52);
    }

    void activeAsksBeforeWriting()
    {
        TestEnvironment environment;
        ScriptedPrompter prompter;
        TVersionInfo running;
        QVERIFY(running.Active());
        running.ResFilename = environment.root() + QStringLiteral("/run.res");
        running.setActive(false);
        running.setActive(true);
        QVERIFY(!QFile::exists(running.ResFilename));

        TVersionInfo designed(nullptr, &prompter);
        QVERIFY(!designed.Active());
        designed.ResFilename = environment.root() + QStringLiteral("/new.res");
        prompter.answers << Prompter::Button::No << Prompter::Button::Yes;
        designed.setActive(true);
        QVERIFY(!QFile::exists(designed.ResFilename));
        QCOMPARE(prompter.texts(QStringLiteral("confirm")),
                 QStringList{QStringLiteral("Write ") + designed.ResFilename + QStringLiteral(" file now?")});
        designed.setActive(true);                        // unchanged: no question
        QCOMPARE(prompter.shown.size(), 1);
        designed.setActive(false);
        designed.setActive(true);
        QCOMPARE(QFileInfo(designed.ResFilename).size(), 412);

        designed.setActive(false);
        designed.ResFilename = QStringLiteral("a.rs");   // four characters: never written
        designed.setActive(true);
        QCOMPARE(prompter.shown.size(), 2);
    }

    void windresReadsTheWideFileBack()
    {
        const QString windres = QStandardPaths::findExecutable(QStringLiteral("i686-w64-mingw32-windres"));
        if (windres.isEmpty())
            QSKIP("i686-w64-mingw32-windres (binutils-mingw-w64-i686) is not installed");
        TestEnvironment environment;
        TVersionInfo info;
        info.WideText = true;
        info.ResFilename = environment.root() + QStringLiteral("/new.res");
        info.setFileVerNum(QStringLiteral("2.5.0.17"));
        info.setProdVerNum(QStringLiteral("1.1"));
        info.VFileType = TVft::Dll;
        info.Comments = QStringLiteral("Not A Lot");
        info.ProductName = QStringLiteral("Pixmoor");
        info.FileVersion = QStringLiteral("1.01b");
        QCOMPARE(info.writeResourceFile(), QString());
        const QString rc = environment.root() + QStringLiteral("/new.rc");
        QCOMPARE(QProcess::execute(windres, {QStringLiteral("-i"), info.ResFilename, QStringLiteral("-o"), rc}), 0);
        const QString text = readFile(rc);
        QVERIFY2(text.contains(QStringLiteral("FILEVERSION 2, 5, 0, 17")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("PRODUCTVERSION 1, 1, 0, 0")));
        QVERIFY(text.contains(QStringLiteral("FILEOS 0x4")));
        QVERIFY(text.contains(QStringLiteral("FILETYPE 0x2")));
        QVERIFY(text.contains(QStringLiteral("VALUE \"Comments\", \"Not A Lot\"")));
        QVERIFY(text.contains(QStringLiteral("VALUE \"ProductName\", \"Pixmoor\"")));
        QVERIFY(text.contains(QStringLiteral("VALUE \"Translation\", 0x409, 1252")));
        QVERIFY(text.contains(QStringLiteral("LANGUAGE 9, 1")));
    }
};

QTEST_GUILESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
