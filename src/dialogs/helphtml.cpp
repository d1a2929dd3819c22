#include "dialogs/helphtml.h"

#include "dialogs/helpfile.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace {
QString withLinks(const QString &text, const HelpFile &file)
{
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)(?:\\|([^\\]]*))?\\]\\]"));
    QString html;
    qsizetype done = 0;
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        html += text.mid(done, match.capturedStart() - done).toHtmlEscaped();
        const HelpTopic *target = file.topic(match.captured(1).toInt());
        QString label = match.captured(2);
        if (label.isEmpty())
            label = target ? target->title : match.captured(1);
        if (target)
            html += QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(target->context).arg(label.toHtmlEscaped());
        else
            html += label.toHtmlEscaped();
        done = match.capturedEnd();
    }
    return html + text.mid(done).toHtmlEscaped();
}

struct Block
{
    enum class Kind { Text, List, Heading };
    Kind kind;
    QStringList parts;  // the text, the list's items, or the heading
};

bool isHeading(const QString &line)
{
    return line.startsWith(QLatin1String("== "));
}

bool isItem(const QString &line)
{
    return line.startsWith(QLatin1String("- "));
}

// Headings and items are recognised on any line, not only at the start of
// a paragraph: writers put a heading straight above its list, or a list
// straight below the sentence that introduces it. A plain line continues
// the text or the item above it until a blank line or a heading.
QList<Block> blocksOf(const QString &body)
{
    QList<Block> blocks;
    bool open = false;  // the last block takes the next plain line
    for (const QString &written : body.split(QLatin1Char('\n'))) {
        const QString line = written.trimmed();
        if (line.isEmpty()) {
            open = false;
        } else if (isHeading(line)) {
            blocks.append({Block::Kind::Heading, {line.mid(3).trimmed()}});
            open = false;
        } else if (isItem(line)) {
            if (open && blocks.last().kind == Block::Kind::List)
                blocks.last().parts.append(line.mid(2).trimmed());
            else
                blocks.append({Block::Kind::List, {line.mid(2).trimmed()}});
            open = true;
        } else if (open) {
            blocks.last().parts.last() += QLatin1Char(' ') + line;
        } else {
            blocks.append({Block::Kind::Text, {line}});
            open = true;
        }
    }
    return blocks;
}

QString blockHtml(const Block &block, const HelpFile &file)
{
    switch (block.kind) {
    case Block::Kind::Heading:
        return QStringLiteral("<h3>%1</h3>\n").arg(withLinks(block.parts.first(), file));
    case Block::Kind::List: {
        QString items;
        for (const QString &item : block.parts)
            items += QStringLiteral("<li>%1</li>").arg(withLinks(item, file));
        return QStringLiteral("<ul>%1</ul>\n").arg(items);
    }
    case Block::Kind::Text:
        break;
    }
    return QStringLiteral("<p>%1</p>\n").arg(withLinks(block.parts.first(), file));
}
} // namespace

QString topicHtml(const HelpTopic &topic, const HelpFile &file)
{
    QString html = QStringLiteral("<h2>%1</h2>\n").arg(topic.title.toHtmlEscaped());
    for (const Block &block : blocksOf(topic.body))
        html += blockHtml(block, file);
    return html;
}
