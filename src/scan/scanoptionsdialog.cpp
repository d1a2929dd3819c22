#include "scan/scanoptionsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

QString captionOf(const sane::Option &option)
{
    const QString title = option.title.isEmpty() ? option.name : option.title;
    return option.unit.isEmpty() ? title : QStringLiteral("%1 (%2)").arg(title, option.unit);
}
} // namespace

ScanOptionsDialog::ScanOptionsDialog(const QString &deviceTitle, const QList<sane::Option> &options,
                                     QWidget *parent)
    : QDialog(parent), m_options(options)
{
    setObjectName(QStringLiteral("ScanOptionsDialog"));
    setWindowTitle(deviceTitle);
    auto *column = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    for (const sane::Option &option : m_options) {
        QWidget *editor = makeEditor(option);
        editor->setObjectName(option.name);
        m_editors.append(editor);
        form->addRow(captionOf(option), editor);
    }
    if (m_options.isEmpty())
        form->addRow(new QLabel(QStringLiteral("This scanner has no settings to choose."), this));
    column->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Scan"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

QWidget *ScanOptionsDialog::makeEditor(const sane::Option &option)
{
    if (option.isText || !option.values.isEmpty()) {
        auto *choice = new QComboBox(this);
        if (option.isText) {
            choice->addItems(option.choices);
            choice->setCurrentText(option.text);
        } else {
            for (double value : option.values)
                choice->addItem(numberText(value), value);
            choice->setCurrentIndex(qMax(0, option.values.indexOf(option.number)));
        }
        return choice;
    }
    auto *number = new QDoubleSpinBox(this);
    number->setDecimals(option.fixedPoint ? 2 : 0);
    number->setRange(option.minimum, option.maximum);
    if (option.step > 0)
        number->setSingleStep(option.step);
    number->setValue(option.number);
    return number;
}

QList<sane::Option> ScanOptionsDialog::chosenOptions() const
{
    QList<sane::Option> chosen = m_options;
    for (int i = 0; i < chosen.size(); ++i) {
        if (const auto *choice = qobject_cast<const QComboBox *>(m_editors[i])) {
            if (chosen[i].isText)
                chosen[i].text = choice->currentText();
            else
                chosen[i].number = choice->currentData().toDouble();
        } else if (const auto *number = qobject_cast<const QDoubleSpinBox *>(m_editors[i])) {
            chosen[i].number = number->value();
        }
    }
    return chosen;
}

QWidget *ScanOptionsDialog::editor(const QString &name) const
{
    for (int i = 0; i < m_options.size(); ++i)
        if (m_options[i].name == name)
            return m_editors[i];
    return nullptr;
}
