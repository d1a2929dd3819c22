#include "platform/settingsstore.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void missingValuesGiveDefaults();
    void valuesRoundTripAcrossStores();
    void textWhereAnIntegerBelongsGivesTheDefault();
    void damagedFileIsReplacedOnWrite();
    void closingTwiceIsHarmless();
};

void TestSettingsStore::missingValuesGiveDefaults()
{
    TestEnvironment env;
    SettingsStore store;
    QCOMPARE(store.readInteger("Main", "ThumbSizew", 70), 70);
    QCOMPARE(store.readString("Window", "WindowState", "Normal"), QString("Normal"));
    QVERIFY(store.close());
    QVERIFY2(!QFile::exists(env.settingsFile()), "reading alone must not create the store");
}

void TestSettingsStore::valuesRoundTripAcrossStores()
{
    TestEnvironment env;
    {
        SettingsStore store;
        store.writeInteger("Main", "ThumbSizew", 123);
        store.writeString("Main", "Directory", "/tmp/with space/ünïcode");
        store.writeInteger("Window", "WindowWidth", -7);
        QVERIFY(store.close());
    }
    SettingsStore store;
    QCOMPARE(store.readInteger("Main", "ThumbSizew", 0), 123);
    QCOMPARE(store.readString("Main", "Directory", ""), QString("/tmp/with space/ünïcode"));
    QCOMPARE(store.readInteger("Window", "WindowWidth", 0), -7);

    QFile file(env.settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Main]") && text.contains("[Window]"), text.constData());
    QVERIFY2(text.contains("ThumbSizew=123"), text.constData());
}

void TestSettingsStore::textWhereAnIntegerBelongsGivesTheDefault()
{
    TestEnvironment env;
    TestEnvironment::writeFile(env.settingsFile(),
                               QByteArray("[Main]\nThumbSizew=wide\nThumbSizeh= 42 \nMaxSize=\n"));
    SettingsStore store;
    QCOMPARE(store.readInteger("Main", "ThumbSizew", 70), 70);
    QCOMPARE(store.readInteger("Main", "ThumbSizeh", 70), 42);
    QCOMPARE(store.readInteger("Main", "MaxSize", 100), 100);
}

void TestSettingsStore::damagedFileIsReplacedOnWrite()
{
    TestEnvironment env;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 37) % 256));
    TestEnvironment::writeFile(env.settingsFile(), garbage);
    {
        SettingsStore store;
        QCOMPARE(store.readInteger("Main", "ThumbSizew", 70), 70);
        store.writeInteger("Main", "ThumbSizew", 99);
        QVERIFY(store.close());
    }
    SettingsStore store;
    QCOMPARE(store.readInteger("Main", "ThumbSizew", 70), 99);
}

void TestSettingsStore::closingTwiceIsHarmless()
{
    TestEnvironment env;
    SettingsStore store;
    store.writeInteger("Main", "Hints", 1);
    QVERIFY(store.close());
    QVERIFY(store.close());
    QVERIFY(QFile::exists(env.settingsFile()));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
