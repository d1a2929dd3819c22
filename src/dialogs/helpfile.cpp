#include "dialogs/helpfile.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {
const QLatin1String TopicDirective("@topic");
const QLatin1String KeywordsDirective("@keywords");
const QLatin1String TitleDirective("@title");

QString lineError(int lineNumber, const QString &why)
{
    return QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
}

QStringList wordsOf(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    QStringList words = text.toLower().split(separators, Qt::SkipEmptyParts);
    return words;
}

int matchesOf(const QString &word, const QStringList &words)
{
    return int(std::count_if(words.begin(), words.end(),
                             [&word](const QString &candidate) { return candidate.startsWith(word); }));
}

// Link text without its markup, for searching.
QString plainText(const QString &body)
{
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)(?:\\|([^\\]]*))?\\]\\]"));
    QString plain = body;
    return plain.replace(link, QStringLiteral("\\2"));
}
} // namespace

HelpFile HelpFile::load(const QString &path)
{
    HelpFile file;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        file.fail(QStringLiteral("The help file %1 could not be opened: %2").arg(path, source.errorString()));
        return file;
    }
    if (source.size() > MaximumBytes) {
        file.fail(QStringLiteral("The help file %1 is damaged: it is too large.").arg(path));
        return file;
    }
    file = parse(source.read(MaximumBytes + 1));
    if (!file.isValid())
        file.m_error = QStringLiteral("The help file %1 is damaged: %2.").arg(path, file.m_error);
    return file;
}

HelpFile HelpFile::parse(const QByteArray &content)
{
    HelpFile file;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(content);
    if (decoder.hasError() || content.contains('\0')) {
        file.fail(QStringLiteral("it is not a text file"));
        return file;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!file.parseLine(line, i + 1))
            return file;
    }
    if (file.m_topics.isEmpty())
        file.fail(QStringLiteral("it holds no topics"));
    for (HelpTopic &topic : file.m_topics)
        topic.body = topic.body.trimmed();
    return file;
}

bool HelpFile::parseLine(const QString &line, int lineNumber)
{
    const bool inTopic = !m_topics.isEmpty();
    if (line.startsWith(TopicDirective + QLatin1Char(' ')))
        return startTopic(line.mid(TopicDirective.size()).trimmed(), lineNumber);
    if (inTopic && line.startsWith(KeywordsDirective + QLatin1Char(' '))) {
        for (const QString &keyword : line.mid(KeywordsDirective.size()).split(QLatin1Char(';')))
            if (!keyword.trimmed().isEmpty())
                m_topics.last().keywords.append(keyword.trimmed());
        return true;
    }
    if (!inTopic && line.startsWith(TitleDirective + QLatin1Char(' '))) {
        m_title = line.mid(TitleDirective.size()).trimmed();
        return true;
    }
    if (line.startsWith(QLatin1Char('@'))) {
        fail(lineError(lineNumber, QStringLiteral("unknown directive ") + line.section(QLatin1Char(' '), 0, 0)));
        return false;
    }
    if (inTopic) {
        m_topics.last().body += line + QLatin1Char('\n');
        return true;
    }
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;
    fail(lineError(lineNumber, QStringLiteral("text before the first topic")));
    return false;
}

bool HelpFile::startTopic(const QString &arguments, int lineNumber)
{
    bool isNumber = false;
    const int context = arguments.section(QLatin1Char(' '), 0, 0).toInt(&isNumber);
    const QString title = arguments.section(QLatin1Char(' '), 1).trimmed();
    if (!isNumber || context < 0 || title.isEmpty()) {
        fail(lineError(lineNumber, QStringLiteral("a topic needs a number and a title")));
        return false;
    }
    if (topic(context)) {
        fail(lineError(lineNumber, QStringLiteral("topic %1 appears twice").arg(context)));
        return false;
    }
    m_topics.append(HelpTopic{context, title, {}, {}});
    return true;
}

void HelpFile::fail(const QString &why)
{
    m_error = why;
    m_topics.clear();
}

const HelpTopic *HelpFile::topic(int context) const
{
    for (const HelpTopic &candidate : m_topics)
        if (candidate.context == context)
            return &candidate;
    return nullptr;
}

const HelpTopic *HelpFile::contentsTopic() const
{
    if (const HelpTopic *contents = topic(0))
        return contents;
    return m_topics.isEmpty() ? nullptr : &m_topics.first();
}

QStringList HelpFile::indexEntries() const
{
    QMap<QString, QString> entries;  // lower case -> as first written
    for (const HelpTopic &candidate : m_topics) {
        for (const QString &entry : candidate.keywords + QStringList{candidate.title})
            if (!entries.contains(entry.toLower()))
                entries.insert(entry.toLower(), entry);
    }
    return entries.values();
}

QList<int> HelpFile::topicsForIndexEntry(const QString &entry) const
{
    QList<int> found;
    for (const HelpTopic &candidate : m_topics) {
        const bool named = candidate.title.compare(entry, Qt::CaseInsensitive) == 0 ||
                           candidate.keywords.contains(entry, Qt::CaseInsensitive);
        if (named)
            found.append(candidate.context);
    }
    return found;
}

QList<int> HelpFile::search(const QString &query) const
{
    const QStringList wanted = wordsOf(query);
    if (wanted.isEmpty())
        return {};
    QList<QPair<int, int>> scored;  // score, context
    for (const HelpTopic &candidate : m_topics) {
        const QStringList title = wordsOf(candidate.title);
        const QStringList rest = wordsOf(candidate.keywords.join(QLatin1Char(' ')) + QLatin1Char(' ') +
                                         plainText(candidate.body));
        int score = 0;
        for (const QString &word : wanted) {
            const int hits = 10 * matchesOf(word, title) + matchesOf(word, rest);
            if (hits == 0) {
                score = 0;
                break;
            }
            score += hits;
        }
        if (score > 0)
            scored.append({score, candidate.context});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto &a, const auto &b) { return a.first > b.first; });
    QList<int> found;
    for (const auto &hit : scored)
        found.append(hit.second);
    return found;
}
