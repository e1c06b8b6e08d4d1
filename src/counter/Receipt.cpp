#include "Receipt.h"

#include "data/Ledger.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "ui/WindowSystem.h"
#include "ui/PrintFonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QSqlQuery>

std::optional<ReceiptRecord> ReceiptStore::read(qint64 seq)
{
    const auto entry = Ledger::entry(m_db, seq);
    if (!entry)
        return std::nullopt;
    if (entry->seq == 0 || entry->kind != LedgerEntry::Kind::Checkout) {
        m_db.fail(QCoreApplication::translate("Receipt", "read the checkout"), QCoreApplication::translate("Receipt", "Ledger entry %1 is not a checkout.").arg(seq));
        return std::nullopt;
    }
    ReceiptRecord r;
    r.day = entry->day;
    r.time = entry->time;
    r.counter = entry->counter;
    r.member = entry->member;
    r.rentalId = entry->rentalId;
    r.receiptId = entry->receiptId;
    r.method = entry->method;
    r.feesPaid = entry->feesPaid;
    r.subtotal = entry->subtotal;
    r.gst = entry->gst;
    r.pst = entry->pst;
    r.total = entry->total;
    r.tendered = entry->tendered;
    r.change = entry->change;

    const auto rates = Pricing::inForce(m_db, r.day);
    if (!rates)
        return std::nullopt;
    r.taxes = rates->taxes;

    const QString action = QCoreApplication::translate("Receipt", "read the checkout");
    if (r.member && *r.member != 0) {
        auto q = m_db.run(action,
                          QStringLiteral("SELECT FirstName, LastName FROM tblMembers WHERE CustomerNumber = ?"),
                          {*r.member});
        if (!q)
            return std::nullopt;
        if (q->next())
            r.memberName = (q->value(0).toString() + u' ' + q->value(1).toString()).trimmed();
    }
    if (r.rentalId) {
        auto q = m_db.run(action,
                          QStringLiteral("SELECT r.VideoID, m.Name, r.DueDate, r.RentalFee FROM tblRentals r "
                                         "LEFT JOIN tblVideos v ON v.VideoID = r.VideoID "
                                         "LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                         "WHERE r.RentalID = ? ORDER BY r.VideoID"),
                          {*r.rentalId});
        if (!q)
            return std::nullopt;
        while (q->next())
            r.rentals.append({q->value(0).toInt(), q->value(1).toString(), q->value(2).toString(),
                              Money::fromUnits(q->value(3).toLongLong())});
    }
    if (r.receiptId) {
        auto items = m_db.run(action,
                              QStringLiteral("SELECT d.InventoryID, i.ItemName, d.QuantityPurchased, d.Amount "
                                             "FROM tblSalesDetails d LEFT JOIN tblInventory i "
                                             "ON i.InventoryID = d.InventoryID WHERE d.ReceiptID = ? "
                                             "ORDER BY d.InventoryID"),
                              {*r.receiptId});
        if (!items)
            return std::nullopt;
        while (items->next())
            r.sales.append({items->value(0).toInt(), false, items->value(1).toString(), items->value(2).toInt(),
                            Money::fromUnits(items->value(3).toLongLong())});
        auto tapes = m_db.run(action,
                              QStringLiteral("SELECT s.VideoID, m.Name, s.Amount FROM tblVideosSold s "
                                             "LEFT JOIN tblVideos v ON v.VideoID = s.VideoID "
                                             "LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                             "WHERE s.ReceiptID = ? ORDER BY s.VideoID"),
                              {*r.receiptId});
        if (!tapes)
            return std::nullopt;
        while (tapes->next())
            r.sales.append({tapes->value(0).toInt(), true, tapes->value(1).toString(), 1,
                            Money::fromUnits(tapes->value(2).toLongLong())});
    }
    return r;
}

namespace Receipt {

namespace {

// The context of the receipt's texts in translations/counter_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Receipt)
};

constexpr int CashMethod = 6;

QString centred(const QString &text, int width)
{
    const QString cut = text.left(width);
    return QString((width - cut.size()) / 2, u' ') + cut;
}

// `label` at the left, `value` ending at the right edge.
QString spread(const QString &label, const QString &value, int width)
{
    const QString left = label.left(std::max(0, width - int(value.size()) - 1));
    return left + QString(std::max(1, width - int(left.size()) - int(value.size())), u' ') + value;
}

QString cell(const QString &text, int width)
{
    return text.left(width).leftJustified(width, u' ');
}

// A title or a name cut with "…" when it is longer than `width`, so what
// stands after it is never taken for part of it.
QString fitted(const QString &text, int width)
{
    return text.size() <= width ? text.leftJustified(width, u' ') : text.left(width - 1) + QChar(0x2026);
}

QString right(const QString &text, int width)
{
    return text.rightJustified(width, u' ');
}

QString rule(int width)
{
    return QString(width, u'-');
}

// `text` broken at blanks into lines of at most `width`; a word longer than
// that is cut.
QStringList wrapped(const QString &text, int width)
{
    QStringList out;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            out << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word.left(width);
    }
    return out << line;
}

} // namespace

int widthOf(StoreDetails::Paper paper)
{
    return paper == StoreDetails::Paper::Letter ? 80 : 42;
}

QStringList lines(const ReceiptRecord &r, const StoreDetails &store, int width)
{
    QStringList out;
    if (store.isSet()) {
        out << centred(store.name.trimmed(), width);
        for (const QString &line : store.address.split(u'\n', Qt::SkipEmptyParts))
            out << centred(line.trimmed(), width);
        if (!store.phone.trimmed().isEmpty())
            out << centred(Text::tr("Phone %1").arg(store.phone.trimmed()), width);
        if (!store.gstNumber.trimmed().isEmpty())
            out << centred(Text::tr("GST reg. no. %1").arg(store.gstNumber.trimmed()), width);
        if (!store.pstNumber.trimmed().isEmpty())
            out << centred(Text::tr("PST reg. no. %1").arg(store.pstNumber.trimmed()), width);
    } else {
        out << centred(Text::tr("Store details not set"), width);
    }
    out << rule(width);
    const QString receiptNo = r.receiptId ? Text::tr("Receipt no. %1").arg(*r.receiptId) : QString();
    const QString rentalNo = r.rentalId ? Text::tr("Rental no. %1").arg(*r.rentalId) : QString();
    if (!receiptNo.isEmpty() && !rentalNo.isEmpty())
        out << spread(receiptNo, rentalNo, width);
    else if (!receiptNo.isEmpty() || !rentalNo.isEmpty())
        out << receiptNo + rentalNo;
    else
        out << Text::tr("No sale receipt");
    out << spread(StoreDate::toText(r.day) + u' ' + r.time.mid(11), Text::tr("Counter %1").arg(r.counter), width);
    if (r.member && *r.member != 0)
        out << fitted(Text::tr("Member %1 %2").arg(*r.member).arg(r.memberName), width).trimmed();
    else
        out << Text::tr("Walk-in customer");
    out << rule(width);

    //: The receipt's heading over the tape numbers of its rentals; short.
    const QString tapeHeading = Text::tr("Tape", "receipt column");
    //: The receipt's heading over the item numbers of its sales; short.
    const QString itemHeading = Text::tr("Item", "receipt column");
    const QString dueHeading = Text::tr("Due", "receipt column");
    const QString amountHeading = Text::tr("Amount", "receipt column");
    const QString quantityHeading = Text::tr("Qty", "receipt column");
    // Number, title (or description) and the figures after it; the title
    // takes what is left, two blanks clear of the due date. The number and
    // amount columns are as wide as their longest, heading included, so none
    // is cut.
    int Number = std::max<int>({7, int(tapeHeading.size()) + 1, int(itemHeading.size()) + 1});
    int Amount = std::max(8, int(amountHeading.size()) + 1);
    for (const ReceiptRecord::Rental &rental : r.rentals) {
        Number = std::max(Number, int(QString::number(rental.tape).size()) + 1);
        Amount = std::max(Amount, int(rental.amount.toPlainCents().size()) + 1);
    }
    for (const ReceiptRecord::Sale &sale : r.sales) {
        Number = std::max(Number, int(QString::number(sale.number).size()) + 1);
        Amount = std::max(Amount, int(sale.amount.toPlainCents().size()) + 1);
    }
    constexpr int Gap = 2;
    const int Due = std::max<int>(10, dueHeading.size() + 1);
    const int Quantity = std::max<int>(5, quantityHeading.size() + 1);
    if (!r.rentals.isEmpty()) {
        const int title = width - Number - Gap - Due - Amount;
        out << Text::tr("RENTALS");
        out << cell(tapeHeading, Number) + cell(Text::tr("Title", "receipt column"), title + Gap)
                + cell(dueHeading, Due) + right(amountHeading, Amount);
        for (const ReceiptRecord::Rental &rental : r.rentals)
            out << cell(QString::number(rental.tape), Number) + fitted(rental.title, title) + QString(Gap, u' ')
                    + cell(rental.due, Due) + right(rental.amount.toPlainCents(), Amount);
    }
    if (!r.sales.isEmpty()) {
        const int description = width - Number - 1 - Quantity - Amount;
        out << Text::tr("SALES");
        out << cell(itemHeading, Number) + cell(Text::tr("Description", "receipt column"), description + 1)
                + right(quantityHeading, Quantity) + right(amountHeading, Amount);
        for (const ReceiptRecord::Sale &sale : r.sales)
            out << cell(QString::number(sale.number), Number)
                    + fitted(sale.tape ? Text::tr("Tape: %1").arg(sale.description) : sale.description, description)
                    + u' ' + right(QString::number(sale.quantity), Quantity)
                    + right(sale.amount.toPlainCents(), Amount);
    }
    if (r.feesPaid != Money())
        out << spread(Text::tr("Overdue fees paid"), r.feesPaid.toPlainCents(), width);
    out << rule(width);
    out << spread(Text::tr("Subtotal"), r.subtotal.toPlainCents(), width);
    out << spread(r.taxes[0].label(), r.gst.toPlainCents(), width);
    if (r.pst != Money() || r.taxes[1].charged())
        out << spread(r.taxes[1].label(), r.pst.toPlainCents(), width);
    out << spread(Text::tr("TOTAL"), r.total.toCurrency(), width);
    out << rule(width);
    const QString method = Ledger::methodShown(r.method);
    out << wrapped(r.cardLastFour.isEmpty() ? Text::tr("Paid by %1").arg(method)
                                            : Text::tr("Paid by %1, card ending %2").arg(method, r.cardLastFour),
                   width);
    // A card is charged the total: nothing is handed over, nothing given back.
    if (r.method == CashMethod) {
        out << spread(Text::tr("Tendered"), r.tendered.toPlainCents(), width);
        out << spread(Text::tr("Change", "money given back"), r.change.toPlainCents(), width);
    }
    out << QString() << centred(Text::tr("Thank you"), width);
    return out;
}

PrintPages pages(const QStringList &lines, StoreDetails::Paper paper)
{
    const bool letter = paper == StoreDetails::Paper::Letter;
    const int width = widthOf(paper);
    // Millimetres: a roll's printable width, a letter page's within its margins.
    const qreal margin = letter ? 19 : 4;
    const qreal pageWidth = letter ? 215.9 : 80;
    const qreal across = pageWidth - 2 * margin;
    // A fixed-pitch character is about 0.6 of its size across.
    const qreal pointSize = across / 25.4 * 72 / (width * 0.6);
    const qreal lineMm = pointSize * 1.25 * 25.4 / 72;
    // Exactly as long as the receipt: never a standard size near it.
    const qreal pageHeight = letter ? 279.4 : 2 * margin + lineMm * (lines.size() + 1);
    // A roll is one page whatever the rounding of its length: counted back
    // from millimetres, some lengths lost their last line to a second page.
    const int perPage =
        letter ? std::max(1, int((pageHeight - 2 * margin) / lineMm) - 1) : std::max(1, int(lines.size()));

    PrintPages doc;
    doc.layout = QPageLayout(letter ? QPageSize(QPageSize::Letter)
                                    : QPageSize(QSizeF(pageWidth, pageHeight), QPageSize::Millimeter,
                                                QStringLiteral("Receipt roll 80 mm"), QPageSize::ExactMatch),
                             QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                             QPageLayout::Millimeter);
    doc.pageCount = int((lines.size() + perPage - 1) / perPage);
    doc.draw = [lines, width, pointSize, perPage](QPainter &painter, const QRect &area, int page) {
        QFont font = PrintFonts::font(PrintFonts::Face::Mono);
        font.setPointSizeF(pointSize);
        painter.setFont(font);
        // Whatever the font, `width` characters fit across.
        QFontMetricsF metrics(font, painter.device());
        const qreal wanted = metrics.horizontalAdvance(QString(width, u'0'));
        if (wanted > area.width()) {
            font.setPointSizeF(pointSize * area.width() / wanted);
            painter.setFont(font);
            metrics = QFontMetricsF(font, painter.device());
        }
        const qsizetype first = qsizetype(page) * perPage;
        const qsizetype count = std::min<qsizetype>(perPage, lines.size() - first);
        // A font taller than the page was sized for closes the lines up
        // rather than losing the last of them off the roll.
        const qreal step =
            std::min(metrics.lineSpacing(), (area.height() - metrics.height()) / std::max<qsizetype>(1, count - 1));
        qreal y = area.top() + metrics.ascent();
        for (qsizetype i = first; i < first + count; ++i) {
            painter.drawText(QPointF(area.left(), y), lines[i]);
            y += step;
        }
    };
    return doc;
}

} // namespace Receipt
