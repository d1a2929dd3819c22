#include "dialogs/tupdown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TUpDown::TUpDown(QLineEdit *associate, QWidget *parent)
    : QWidget(parent), m_associate(associate), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setArrowType(arrow == m_up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(16, 11);
        column->addWidget(arrow);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    connect(m_associate, &QLineEdit::textChanged, this, &TUpDown::followEdit);
}

void TUpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setPosition(m_position);
}

void TUpDown::setPosition(int value)
{
    movePosition(value);
    m_associate->setText(QString::number(m_position));
}

void TUpDown::stepBy(int steps)
{
    // The arrows start from what the edit shows, even below the range.
    followEdit(m_associate->text());
    setPosition(m_position + steps);
}

void TUpDown::followEdit(const QString &text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return;
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (ok)
        movePosition(int(std::clamp<qlonglong>(value, m_minimum, m_maximum)));
    else if (std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        movePosition(m_maximum);  // too many digits for a number: as large as allowed
}

void TUpDown::movePosition(int value)
{
    const int position = std::clamp(value, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    emit positionChanged(m_position);
}
