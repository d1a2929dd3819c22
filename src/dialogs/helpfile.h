// The program's help file: topics numbered by help context, a keyword index
// and a full-text search. The format is described at the top of
// help/Kelvane.hlp and in docs/HELPFILE.md.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct HelpTopic
{
    int context = 0;
    QString title;
    QStringList keywords;
    QString body;  // the topic's lines as written, markup included
};

class HelpFile
{
public:
    static constexpr qint64 MaximumBytes = 4 * 1024 * 1024;

    // A file that cannot be read or is damaged gives a HelpFile whose
    // error() says why and which holds no topics.
    static HelpFile load(const QString &path);
    static HelpFile parse(const QByteArray &content);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString title() const { return m_title; }

    const QList<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *topic(int context) const;
    // Topic 0 when the file has one, otherwise the first topic.
    const HelpTopic *contentsTopic() const;

    // Keywords and topic titles, each once, sorted without regard to case.
    QStringList indexEntries() const;
    QList<int> topicsForIndexEntry(const QString &entry) const;

    // Topics holding every word of query (as a word or the start of one),
    // best match first: title hits count more than keyword and text hits.
    QList<int> search(const QString &query) const;

private:
    bool parseLine(const QString &line, int lineNumber);
    bool startTopic(const QString &arguments, int lineNumber);
    void fail(const QString &why);

    QString m_title;
    QString m_error;
    QList<HelpTopic> m_topics;
};

