// The rental bag and the shopping bag: tapes rented, tapes and items bought,
// each checked against the store before its line goes on the bill.

#include "frmCheckout.h"

#include "data/Genres.h"
#include "data/Identifier.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QLineEdit>
#include <QListWidget>

void frmCheckout::cmdAdd_Click()
{
    addToRentalBag();
    // The number stays in view, but the next scan or keystrokes replace it.
    txtVidID->selectAll();
}

namespace {

// " (Steel Horizon)": a refusal names a tape or an item to the clerk by
// its number and, when it has one, its name after it ("Tape 13 (Steel
// Horizon)").
QString titled(const QString &name)
{
    return name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
}

} // namespace

std::optional<QString> frmCheckout::notInStore(qint32 videoId, const QString &name)
{
    const Fetched<TapeWhereabouts> where = m_store.whereabouts(videoId);
    if (where.failed) {
        showDbError(m_windows.ws(), m_store.lastError());
        return std::nullopt;
    }
    if (where.row->member)
        return tr("Tape %1%2 is out to member %3, due %4.")
            .arg(QString::number(videoId), titled(name), QString::number(*where.row->member), where.row->due);
    if (where.row->sold)
        return tr("Tape %1%2 was sold; it is no longer the store's.").arg(videoId).arg(titled(name));
    return tr("Tape %1%2 is marked as not in the store, though no rental holds it. Ask the manager to check it in "
              "Video Management.")
        .arg(videoId)
        .arg(titled(name));
}

void frmCheckout::addToRentalBag()
{
    WindowSystem &ws = m_windows.ws();
    // A refused number leaves no other tape's details beside it.
    for (QLineEdit *box : {txtMovieName, txtClass, txtRating, txtType, txtActor, txtActress})
        box->clear();
    const QString about = tr("Tape %1").arg(txtVidID->text().trimmed());
    const QString entryError = tr("Tape entry error.");
    if (txtMemID2->text() == QLatin1String("0") || txtMemID2->text().isEmpty())
        return scanRefused(tr("Must be a member to rent."), tr("No member entered."), about);
    if (txtVidID->text().isEmpty())
        return scanRefused(tr("Enter A valid Video ID Number"), entryError, {});
    const auto videoId = Identifier::parse(txtVidID->text());
    if (!videoId)
        return scanRefused(notANumber(Numbered::Tape, txtVidID->text()), tr("Invalid number"), {});
    // A scanner's double read must not rent one tape twice.
    if (BillLine::holdsTape(m_bill.lines(), *videoId))
        return scanRefused(tr("Tape %1 is already in this bill.").arg(*videoId), entryError, {});
    m_rentVideoID = *videoId;

    const Fetched<RentalTapeRow> tape = m_store.rentalTape(m_rentVideoID);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(tr("Tape %1 is not on file: check the number.").arg(m_rentVideoID), entryError, {});
    const QString title = titled(tape.row->name);
    if (tape.row->deleted)
        return scanRefused(tr("Tape %1%2 is retired (damaged or lost): it cannot be rented.").arg(m_rentVideoID).arg(title),
                           tr("Deleted Tape"), {});
    if (!tape.row->forRent)
        return scanRefused(tr("Tape %1%2 is not for rent. Find another copy of the title.").arg(m_rentVideoID).arg(title),
                           entryError, {});
    if (!tape.row->inStore) {
        if (const auto why = notInStore(m_rentVideoID, tape.row->name))
            scanRefused(*why, entryError, {});
        return;
    }
    // Set aside for a member's hold: only that member takes it.
    const QDate day = StoreDate::parse(txtDate->text()).value_or(m_windows.today());
    const auto held = m_store.heldTape(m_rentVideoID, day);
    if (held.failed)
        return showDbError(ws, m_store.lastError());
    if (held.row && Identifier::parse(txtMemID2->text()) != held.row->member)
        return scanRefused(held.row->refusal(m_rentVideoID), tr("Tape held"), {});

    txtMovieName->setText(tape.row->name);
    txtClass->setText(QString::number(tape.row->priceClass));
    txtRating->setText(tape.row->rating);
    txtType->setText(Genres::name(tape.row->categoryId));
    txtActor->setText(tape.row->actor);
    txtActress->setText(tape.row->actress);

    m_rentTitle = BillLine::fitTitle(txtMovieName->text());
    const PriceClass *charge = rates().priceClass(tape.row->priceClass);
    if (!charge)
        return scanRefused(tr("That tape's title has price class %1, which has no rental fee. Set its class in Video "
                              "Management.")
                               .arg(tape.row->priceClass),
                           entryError, about);
    m_rentFee = charge->fee;
    if (!m_bill.fits(m_rentFee, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), tr("Bill too large"), about);
    const QString line = BillLine::rent(m_rentVideoID, m_rentTitle, m_rentFee);
    addLine(line, List1);
}

void frmCheckout::cmdRemove_Click()
{
    const auto amount = m_bill.takeSelected(*List1);
    if (!amount)
        return;
    m_rentFee = *amount;
    billChanged();
    txtVidID->setFocus();
}

void frmCheckout::cmdClear_Click()
{
    m_rentVideoID = 0;
    for (QLineEdit *box : {txtVidID, txtMovieName, txtClass, txtRating, txtType, txtActor, txtActress})
        box->clear();
    txtVidID->setFocus();
}

void frmCheckout::cmdClearAll_Click()
{
    cmdClear_Click();
    List1->clear();
    // Only the rentals go: fees handed on stay on the bill and in its totals.
    m_bill.remove(QLatin1String("Rent"));
    billChanged();
}

void frmCheckout::cmdBuy_Click()
{
    const int before = List2->count();
    addToShoppingBag();
    // A quantity is for one line: left in the box it would multiply the
    // next scan, so the box goes back to 1 and the item box takes the scan.
    if (List2->count() > before) {
        txtQuan->setText(QStringLiteral("1"));
        txtInvID->setFocus();
    }
    txtInvID->selectAll();
}

void frmCheckout::addToShoppingBag()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString about = tr("Item %1").arg(txtInvID->text().trimmed());
    if (txtInvID->text().isEmpty())
        return scanRefused(tr("Enter Inventory ID of Item"), {}, {});
    const auto inventoryId = Identifier::parse(txtInvID->text());
    if (!inventoryId)
        return scanRefused(notANumber(Numbered::Item, txtInvID->text()), tr("Invalid number"), {});
    const auto quantity = Identifier::parse(txtQuan->text());
    if (!quantity || *quantity == 0)
        return scanRefused(
            tr("\"%1\" is not a quantity that can be sold. Enter a whole number of at least 1.").arg(txtQuan->text()),
            tr("Invalid number"), about);
    m_saleInvID = *inventoryId;
    m_saleQuantity = *quantity;

    const Fetched<ItemRow> item = m_store.item(m_saleInvID);
    if (item.failed)
        return showDbError(ws, m_store.lastError());
    if (!item.row)
        return scanRefused(tr("Item %1 is not on file: check the number.").arg(m_saleInvID), tr("Inventory Error."),
                           {});
    const QString name = titled(item.row->name);
    if (item.row->deleted)
        return scanRefused(tr("Item %1%2 is retired and should not be on the shelf. Ask the manager.")
                               .arg(m_saleInvID)
                               .arg(name),
                           tr("Deleted item."), {});
    if (item.row->quantity < m_saleQuantity)
        return scanRefused(tr("Item %1%2: %3 are in stock, not enough to sell %4. Ask the manager.")
                               .arg(QString::number(m_saleInvID), name, QString::number(item.row->quantity),
                                    QString::number(m_saleQuantity)),
                           tr("Inventory Warning."), {});
    m_saleItemName = item.row->name;
    m_saleUnitPrice = item.row->price;
    txtUnitPrice->setText(m_saleUnitPrice.toPlainCents());
    // The bill is in cents, whatever finer price an older store may hold.
    std::optional<Money> lineAmount = m_saleUnitPrice.times(m_saleQuantity);
    if (lineAmount)
        lineAmount = lineAmount->checkedTimesRateRounded(1, 1);
    if (!m_bill.fits(lineAmount, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), tr("Bill too large"), about);
    const QString line = BillLine::buy(m_saleInvID, m_saleQuantity, m_saleItemName, *lineAmount);
    addLine(line, List2);
}

void frmCheckout::cmdBuyVideo_Click()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString typed = txtVidSale->text().trimmed();
    const QString about = tr("Tape %1").arg(typed);
    const QString entryError = tr("Tape Entry Error");
    // Kept in view after a refusal, but the next scan replaces it.
    txtVidSale->selectAll();
    const auto videoId = Identifier::parse(typed);
    if (!videoId)
        return scanRefused(notANumber(Numbered::Tape, txtVidSale->text()), tr("Invalid number"), {});
    if (BillLine::holdsTape(m_bill.lines(), *videoId))
        return scanRefused(tr("Tape %1 is already in this bill.").arg(*videoId), entryError, {});

    const Fetched<SaleTapeRow> tape = m_store.saleTape(*videoId);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(tr("Tape %1 is not on file: check the number.").arg(*videoId), entryError, {});
    const QString title = titled(tape.row->name);
    if (tape.row->deleted)
        return scanRefused(tr("Tape %1%2 is retired (damaged or lost): it cannot be sold.").arg(*videoId).arg(title),
                           tr("Tape deleted."), {});
    if (!tape.row->forSale)
        return scanRefused(tr("Tape %1%2 is not for sale. Find another copy of the title.").arg(*videoId).arg(title),
                           entryError, {});
    if (!tape.row->inStore) {
        if (const auto why = notInStore(*videoId, tape.row->name))
            scanRefused(*why, entryError, {});
        return;
    }

    const std::optional<Money> price = tape.row->salePrice.checkedTimesRateRounded(1, 1);
    if (!m_bill.fits(price, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), tr("Bill too large"), about);
    const QString line = BillLine::buyVideo(typed, tape.row->name, *price);
    addLine(line, List2);
    txtVidSale->clear();
}

void frmCheckout::cmdRemoveSale_Click()
{
    const auto amount = m_bill.takeSelected(*List2);
    if (!amount)
        return;
    m_rentFee = *amount;
    billChanged();
    txtUnitPrice->clear();
    txtInvID->clear();
    txtInvID->setFocus();
}

void frmCheckout::cmdClearAllSales_Click()
{
    List2->clear();
    txtUnitPrice->clear();
    txtInvID->clear();
    txtInvID->setFocus();
    // "Buy" takes both "Buy " and "BuyV " lines.
    m_bill.remove(QLatin1String("Buy"));
    billChanged();
}
