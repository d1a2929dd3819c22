#include "dialogs/helphtml.h"

#include "dialogs/helpfile.h"

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

// Lines that do not start with "- " continue the item above them.
QStringList listItems(const QStringList &lines)
{
    QStringList items;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("- ")))
            items.append(line.mid(2));
        else
            items.last() += QLatin1Char(' ') + line;
    }
    return items;
}

QString blockHtml(const QStringList &lines, const HelpFile &file)
{
    if (lines.size() == 1 && lines.first().startsWith(QLatin1String("== ")))
        return QStringLiteral("<h3>%1</h3>\n").arg(withLinks(lines.first().mid(3), file));
    if (lines.first().startsWith(QLatin1String("- "))) {
        QString items;
        for (const QString &item : listItems(lines))
            items += QStringLiteral("<li>%1</li>").arg(withLinks(item, file));
        return QStringLiteral("<ul>%1</ul>\n").arg(items);
    }
    return QStringLiteral("<p>%1</p>\n").arg(withLinks(lines.join(QLatin1Char(' ')), file));
}
} // namespace

QString topicHtml(const HelpTopic &topic, const HelpFile &file)
{
    QString html = QStringLiteral("<h2>%1</h2>\n").arg(topic.title.toHtmlEscaped());
    QStringList block;
    for (const QString &line : topic.body.split(QLatin1Char('\n')) + QStringList{QString()}) {
        if (!line.trimmed().isEmpty()) {
            block.append(line.trimmed());
            continue;
        }
        if (!block.isEmpty())
            html += blockHtml(block, file);
        block.clear();
    }
    return html;
}
