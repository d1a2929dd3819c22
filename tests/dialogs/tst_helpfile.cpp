#include "dialogs/helpfile.h"
#include "dialogs/helphtml.h"
#include "support/testenvironment.h"

#include <QRegularExpression>
#include <QTest>

class TestHelpFile : public QObject
{
    Q_OBJECT
private slots:
    void parsesTopicsKeywordsAndTitle();
    void damagedFiles_data();
    void damagedFiles();
    void missingFileSaysWhy();
    void indexListsKeywordsAndTitlesOnce();
    void searchFindsAllWordsBestFirst();
    void htmlLinksEscapesAndLists();
    void htmlSplitsParagraphsAtHeadingsAndItems_data();
    void htmlSplitsParagraphsAtHeadingsAndItems();
    void shippedFileCoversEveryContext();
    void shippedFileLinksResolve();
    void shippedFileSearchFindsTopics();

private:
    static HelpFile shipped() { return HelpFile::load(QStringLiteral(PIXMOOR_HELP_FILE)); }
};

void TestHelpFile::parsesTopicsKeywordsAndTitle()
{
    const HelpFile file = HelpFile::parse("# comment\n\n@title My Help\n@topic 0 Contents\nWelcome.\n"
                                          "@topic 14 Thumb Size\n@keywords size; thumbs ;\nLine one\r\n\nLine two\n");
    QVERIFY2(file.isValid(), qPrintable(file.error()));
    QCOMPARE(file.title(), QString("My Help"));
    QCOMPARE(file.topics().size(), 2);
    const HelpTopic *topic = file.topic(14);
    QVERIFY(topic);
    QCOMPARE(topic->title, QString("Thumb Size"));
    QCOMPARE(topic->keywords, QStringList({"size", "thumbs"}));
    QCOMPARE(topic->body, QString("Line one\n\nLine two"));
    QCOMPARE(file.contentsTopic()->context, 0);
    QVERIFY(!file.topic(15));
}

void TestHelpFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << "it holds no topics";
    QTest::newRow("only comments") << QByteArray("# a\n# b\n") << "it holds no topics";
    QTest::newRow("text first") << QByteArray("# a\nhello\n@topic 1 A\n") << "line 2: text before the first topic";
    QTest::newRow("no number") << QByteArray("@topic x Title\n") << "line 1: a topic needs a number and a title";
    QTest::newRow("no title") << QByteArray("@topic 3\n") << "line 1: a topic needs a number and a title";
    QTest::newRow("negative") << QByteArray("@topic -3 T\n") << "line 1: a topic needs a number and a title";
    QTest::newRow("twice") << QByteArray("@topic 3 A\n@topic 3 B\n") << "line 2: topic 3 appears twice";
    QTest::newRow("unknown directive") << QByteArray("@topic 3 A\n@see 4\n") << "line 2: unknown directive @see";
    QTest::newRow("binary") << QByteArray("?_\x03\0\x10\0\0\0", 8) << "it is not a text file";
    QTest::newRow("bad utf8") << QByteArray("@topic 1 A\n\xff\xfe\n") << "it is not a text file";
}

void TestHelpFile::damagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    const HelpFile file = HelpFile::parse(content);
    QVERIFY(!file.isValid());
    QCOMPARE(file.error(), error);
    QVERIFY(file.topics().isEmpty());
    QVERIFY(!file.contentsTopic());
}

void TestHelpFile::missingFileSaysWhy()
{
    TestEnvironment env;
    const HelpFile missing = HelpFile::load(env.root() + "/Kelvane.hlp");
    QVERIFY(!missing.isValid());
    QVERIFY(missing.error().startsWith("The help file " + env.root() + "/Kelvane.hlp could not be opened"));

    TestEnvironment::writeFile(env.root() + "/bad.hlp", QByteArray("nonsense\n"));
    const HelpFile damaged = HelpFile::load(env.root() + "/bad.hlp");
    QCOMPARE(damaged.error(), "The help file " + env.root() + "/bad.hlp is damaged: line 1: text before the first topic.");

    TestEnvironment::writeFile(env.root() + "/huge.hlp", HelpFile::MaximumBytes + 1);
    QVERIFY(HelpFile::load(env.root() + "/huge.hlp").error().endsWith("is damaged: it is too large."));
}

void TestHelpFile::indexListsKeywordsAndTitlesOnce()
{
    const HelpFile file = HelpFile::parse("@topic 1 Copy\n@keywords files; Drag\n@topic 2 Move\n@keywords FILES\n");
    QCOMPARE(file.indexEntries(), QStringList({"Copy", "Drag", "files", "Move"}));
    QCOMPARE(file.topicsForIndexEntry("Files"), QList<int>({1, 2}));
    QCOMPARE(file.topicsForIndexEntry("move"), QList<int>({2}));
    QVERIFY(file.topicsForIndexEntry("nothing").isEmpty());
}

void TestHelpFile::searchFindsAllWordsBestFirst()
{
    const HelpFile file = HelpFile::parse("@topic 1 Printing\nPrint the thumbnails.\n"
                                          "@topic 2 Thumb Size\nThe size of thumbnails; see [[1|page layout]].\n"
                                          "@topic 3 Other\nNothing here.\n");
    QCOMPARE(file.search("thumb"), QList<int>({2, 1}));       // title hit first, prefix match
    QCOMPARE(file.search("THUMBNAILS print"), QList<int>({1}));
    QCOMPARE(file.search("layout"), QList<int>({2}));          // link text is searchable
    QVERIFY(file.search("topic").isEmpty());                  // link markup is not
    QVERIFY(file.search("  ,; ").isEmpty());
    QVERIFY(file.search("size zebra").isEmpty());
}

void TestHelpFile::htmlLinksEscapesAndLists()
{
    const HelpFile file = HelpFile::parse("@topic 1 A <b>\nSee [[2]] and [[2|the <two>]] not [[9]].\n\n"
                                          "- first\n  goes on\n- second\n\n== Head\n@topic 2 Two\nx\n");
    const QString html = topicHtml(*file.topic(1), file);
    QVERIFY(html.contains("<h2>A &lt;b&gt;</h2>"));
    QVERIFY(html.contains("<a href=\"topic:2\">Two</a>"));
    QVERIFY(html.contains("<a href=\"topic:2\">the &lt;two&gt;</a>"));
    QVERIFY(html.contains("not 9."));
    QVERIFY(html.contains("<ul><li>first goes on</li><li>second</li></ul>"));
    QVERIFY(html.contains("<h3>Head</h3>"));
}

void TestHelpFile::htmlSplitsParagraphsAtHeadingsAndItems_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("html");
    QTest::newRow("text, heading, text, list in one paragraph")
        << "Intro line\n  goes on.\n== Head\nText under.\n- one\n  more\n- two"
        << "<p>Intro line goes on.</p>\n<h3>Head</h3>\n<p>Text under.</p>\n<ul><li>one more</li><li>two</li></ul>\n";
    QTest::newRow("heading straight above its list")
        << "== Menus\n- [[2]]: a\n- b"
        << "<h3>Menus</h3>\n<ul><li><a href=\"topic:2\">Two</a>: a</li><li>b</li></ul>\n";
    QTest::newRow("a heading ends the list above it")
        << "- a\n== Next\n- b"
        << "<ul><li>a</li></ul>\n<h3>Next</h3>\n<ul><li>b</li></ul>\n";
    QTest::newRow("plain lines after items continue the last item")
        << "Choose:\n- a\nstill a\n\nNew paragraph."
        << "<p>Choose:</p>\n<ul><li>a still a</li></ul>\n<p>New paragraph.</p>\n";
    QTest::newRow("a blank line starts a new list")
        << "- a\n\n- b"
        << "<ul><li>a</li></ul>\n<ul><li>b</li></ul>\n";
    QTest::newRow("markup only at the start of a line")
        << "a - b == c\n-x\n==y"
        << "<p>a - b == c -x ==y</p>\n";
}

void TestHelpFile::htmlSplitsParagraphsAtHeadingsAndItems()
{
    QFETCH(QString, body);
    QFETCH(QString, html);
    const HelpFile file = HelpFile::parse(QStringLiteral("@topic 1 One\n%1\n@topic 2 Two\nx\n").arg(body).toUtf8());
    QVERIFY2(file.isValid(), qPrintable(file.error()));
    QCOMPARE(topicHtml(*file.topic(1), file), "<h2>One</h2>\n" + html);
}

void TestHelpFile::shippedFileCoversEveryContext()
{
    const HelpFile file = shipped();
    QVERIFY2(file.isValid(), qPrintable(file.error()));
    QList<int> contexts{0, 1, 2};
    for (int context = 4; context <= 12; ++context)
        contexts.append(context);
    for (int context = 14; context <= 38; ++context)
        contexts.append(context);
    for (int context : contexts) {
        const HelpTopic *topic = file.topic(context);
        QVERIFY2(topic, qPrintable(QString("no topic %1").arg(context)));
        QVERIFY2(topic->body.size() > 60, qPrintable(QString("topic %1 says too little").arg(context)));
    }
}

void TestHelpFile::shippedFileLinksResolve()
{
    const HelpFile file = shipped();
    static const QRegularExpression link("\\[\\[(\\d+)");
    for (const HelpTopic &topic : file.topics()) {
        for (auto it = link.globalMatch(topic.body); it.hasNext();) {
            const int target = it.next().captured(1).toInt();
            QVERIFY2(file.topic(target), qPrintable(QString("topic %1 links to missing %2").arg(topic.context).arg(target)));
        }
    }
}

void TestHelpFile::shippedFileSearchFindsTopics()
{
    const HelpFile file = shipped();
    QCOMPARE(file.search("maximum size").value(0), 38);
    QCOMPARE(file.search("thumb size").value(0), 14);
    QVERIFY(file.search("ctrl+f4").contains(27));
    QVERIFY(file.topicsForIndexEntry("drive type").contains(101));
}

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
