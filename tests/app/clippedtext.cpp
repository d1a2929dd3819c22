#include "clippedtext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QToolButton>

namespace {

QString nameOf(const QWidget &widget)
{
    QString name = widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                                 : widget.objectName();
    return widget.window()->objectName() + '/' + name;
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QSize textSize(const QWidget &widget, const QString &text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

// The room a push or tool button's text and icon take inside the style's
// frame and margins; the style's sizeHint also widens short buttons to a
// minimum, which is looks, not need.
QSize framedButtonNeeds(const QAbstractButton &button)
{
    QSize contents = textSize(button, button.text());
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    const Qt::ToolButtonStyle style = tool ? tool->toolButtonStyle() : Qt::ToolButtonTextBesideIcon;
    if (!button.icon().isNull() && style == Qt::ToolButtonTextBesideIcon)
        contents += QSize(button.iconSize().width() + 4, 0);
    else if (!button.icon().isNull() && style == Qt::ToolButtonTextUnderIcon)
        contents += QSize(0, button.iconSize().height());
    const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    return contents + QSize(margin + 2 * frame, 2 * frame);
}

// Check boxes and radio buttons: the style's width (indicator, gap, text and
// focus frame); the height of the text or the indicator, the focus frame's
// margin being looks.
QSize indicatorButtonNeeds(const QAbstractButton &button)
{
    const bool radio = qobject_cast<const QRadioButton *>(&button);
    const int indicator = button.style()->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, &button);
    return {button.sizeHint().width(), qMax(indicator, textSize(button, button.text()).height())};
}

QSize buttonNeeds(const QAbstractButton &button)
{
    if (qobject_cast<const QCheckBox *>(&button) || qobject_cast<const QRadioButton *>(&button))
        return indicatorButtonNeeds(button);
    return framedButtonNeeds(button);
}

// Push and tool buttons centre their texts; check boxes and radio buttons
// put theirs after the indicator.
Qt::Alignment textAlignment(const QAbstractButton &button)
{
    if (qobject_cast<const QPushButton *>(&button) || qobject_cast<const QToolButton *>(&button))
        return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The part of widget's rectangle, in its parent's coordinates, that its
// text takes, given its alignment.
QRect textArea(const QWidget &widget, QSize needs, Qt::Alignment alignment)
{
    return QStyle::alignedRect(widget.layoutDirection(), alignment, needs.boundedTo(widget.size()),
                               widget.geometry());
}

// A visible sibling stacked above widget that covers part of area.
const QWidget *coveringSibling(const QWidget &widget, const QRect &area)
{
    const QWidget *parent = widget.parentWidget();
    if (!parent)
        return nullptr;
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(&widget) + 1; i < siblings.size(); ++i) {
        const auto *sibling = qobject_cast<const QWidget *>(siblings[i]);
        if (sibling && !sibling->isWindow() && sibling->isVisible() && sibling->geometry().intersects(area))
            return sibling;
    }
    return nullptr;
}

void checkRoom(QStringList &faults, const QWidget &widget, const QString &text, QSize needs,
               Qt::Alignment alignment)
{
    if (widget.width() < needs.width() || widget.height() < needs.height()) {
        faults << QStringLiteral("%1 '%2' needs %3, has %4")
                      .arg(nameOf(widget), text, sizeText(needs), sizeText(widget.size()));
        return;
    }
    if (const QWidget *above = coveringSibling(widget, textArea(widget, needs, alignment)))
        faults << QStringLiteral("%1 '%2' is covered by %3").arg(nameOf(widget), text, nameOf(*above));
}

bool hasLoneAmpersand(const QString &text)
{
    return text.count(QLatin1Char('&')) != 2 * text.count(QStringLiteral("&&"));
}

void checkLabel(QStringList &faults, const QLabel &label)
{
    const QString text = label.text();
    if (text.isEmpty() || label.textFormat() == Qt::RichText || Qt::mightBeRichText(text))
        return;
    if (!label.buddy() && hasLoneAmpersand(text))
        faults << QStringLiteral("%1 '%2' shows its '&'").arg(nameOf(label), text);
    if (label.wordWrap()) {
        const int height = label.heightForWidth(label.width());
        if (label.height() < height)
            faults << QStringLiteral("%1 '%2' needs height %3, has %4")
                          .arg(nameOf(label), text).arg(height).arg(label.height());
        return;
    }
    checkRoom(faults, label, text, label.sizeHint(), label.alignment());
}

void checkGroupTitle(QStringList &faults, const QGroupBox &box)
{
    if (box.title().isEmpty())
        return;
    // The style draws the title 8 pixels in from the frame's corner.
    constexpr int Inset = 8;
    const QSize needs = textSize(box, box.title() + QLatin1Char(' ')) + QSize(2 * Inset, 0);
    if (box.width() < needs.width() || box.height() < needs.height())
        faults << QStringLiteral("%1 title '%2' needs %3, has %4")
                      .arg(nameOf(box), box.title(), sizeText(needs), sizeText(box.size()));
}

// What the header asks of its style for a section: text, margins and, when
// shown, the sort mark.
QSize headerSectionNeeds(const QHeaderView &header, const QString &text)
{
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.orientation = header.orientation();
    option.text = text;
    if (header.isSortIndicatorShown())
        option.sortIndicator = QStyleOptionHeader::SortDown;
    return header.style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header);
}

void checkHeader(QStringList &faults, const QHeaderView &header)
{
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString text = header.model()->headerData(section, header.orientation()).toString();
        if (text.trimmed().isEmpty())
            continue;
        const QSize needs = headerSectionNeeds(header, text);
        const QSize has(header.sectionSize(section), header.height());
        if (has.width() < needs.width() || has.height() < needs.height())
            faults << QStringLiteral("%1 section '%2' needs %3, has %4")
                          .arg(nameOf(header), text, sizeText(needs), sizeText(has));
    }
}

bool showsText(const QAbstractButton &button)
{
    if (button.text().isEmpty())
        return false;
    const auto *tool = qobject_cast<const QToolButton *>(&button);
    // An icon-only tool button without an icon shows its text all the same.
    return !tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly || tool->icon().isNull();
}

} // namespace

QStringList clippedTexts(const QWidget &window)
{
    QStringList faults;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->window() != &window)
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            checkLabel(faults, *label);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && showsText(*button))
            checkRoom(faults, *button, button->text(), buttonNeeds(*button), textAlignment(*button));
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            checkGroupTitle(faults, *box);
        else if (const auto *header = qobject_cast<const QHeaderView *>(widget))
            checkHeader(faults, *header);
    }
    return faults;
}
