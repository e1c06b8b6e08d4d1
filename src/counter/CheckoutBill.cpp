#include "CheckoutBill.h"

#include "counter/CheckoutMoney.h"

#include <QCoreApplication>
#include <QListWidget>

QStringList CheckoutBill::lines() const
{
    QStringList lines;
    for (int i = 0; i < m_lines->count(); ++i)
        lines << m_lines->item(i)->text();
    return lines;
}

bool CheckoutBill::fits(std::optional<Money> amount, const std::array<Tax, Pricing::Taxes> &taxes) const
{
    std::optional<Money> subtotal = totals().subtotal().plus(amount.value_or(Money()));
    return amount && subtotal && CheckoutMoney::fits(*subtotal, taxes);
}

QString CheckoutBill::tooLarge()
{
    return QCoreApplication::translate("CheckoutBill", "With this line the bill would come to more than %1, the "
                                                       "largest amount the program takes. Check the quantity.")
        .arg(Money::limit().toCurrency());
}

void CheckoutBill::add(const QString &line, QListWidget *bag)
{
    if (bag)
        bag->addItem(line);
    m_lines->addItem(line);
}

std::optional<Money> CheckoutBill::takeSelected(QListWidget &bag)
{
    QListWidgetItem *selected = bag.currentItem();
    if (!selected || !selected->isSelected())
        return std::nullopt;
    const QString line = selected->text();
    // Only the first equal line of the bill goes, though the same text may stand twice.
    for (int i = 0; i < m_lines->count(); ++i) {
        if (m_lines->item(i)->text() == line) {
            delete m_lines->takeItem(i);
            break;
        }
    }
    delete bag.takeItem(bag.row(selected));
    return BillLine::amount(line).value_or(Money());
}

Money CheckoutBill::remove(QLatin1String leading)
{
    Money removed;
    for (int i = 0; i < m_lines->count();) {
        const QString line = m_lines->item(i)->text();
        if (line.startsWith(leading)) {
            removed += BillLine::amount(line).value_or(Money());
            delete m_lines->takeItem(i);
        } else {
            ++i;
        }
    }
    return removed;
}
