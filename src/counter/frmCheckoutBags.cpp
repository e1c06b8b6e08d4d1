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

void frmCheckout::addToRentalBag()
{
    WindowSystem &ws = m_windows.ws();
    const QString about = QStringLiteral("Tape ") + txtVidID->text().trimmed();
    if (txtMemID2->text() == QLatin1String("0") || txtMemID2->text().isEmpty())
        return scanRefused(QStringLiteral("Must be a member to rent."), QStringLiteral("No member entered."), about);
    if (txtVidID->text().isEmpty())
        return scanRefused(QStringLiteral("Enter A valid Video ID Number"), QStringLiteral("Tape entry error."), {});
    const auto videoId = Identifier::parse(txtVidID->text());
    if (!videoId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("video ID"), txtVidID->text()),
                           QStringLiteral("Invalid number"), {});
    // A scanner's double read must not rent one tape twice.
    if (BillLine::holdsTape(m_bill.lines(), *videoId))
        return scanRefused(QStringLiteral("Tape %1 is already in this bill.").arg(*videoId),
                           QStringLiteral("Tape entry error."), {});
    m_rentVideoID = *videoId;

    const Fetched<RentalTapeRow> tape = m_store.rentalTape(m_rentVideoID);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(QStringLiteral("That tape was not found in the system."),
                           QStringLiteral("Tape entry error."), about);
    if (tape.row->deleted)
        return scanRefused(QStringLiteral("That tape has been deleted and cannot be rented. It may be damaged or "
                                          "unusable."),
                           QStringLiteral("Deleted Tape"), about);
    if (!tape.row->forRent)
        return scanRefused(QStringLiteral("That tape is not available for rental. Please find another."),
                           QStringLiteral("Tape entry error."), about);
    if (!tape.row->inStore)
        return scanRefused(QStringLiteral("Our records show that tape is not in the store. Please check to see if "
                                          "you have mistyped."),
                           QStringLiteral("Tape entry error."), about);
    // Set aside for a member's hold: only that member takes it.
    const QDate day = StoreDate::parse(txtDate->text()).value_or(m_windows.today());
    const auto held = m_store.heldTape(m_rentVideoID, day);
    if (held.failed)
        return showDbError(ws, m_store.lastError());
    if (held.row && Identifier::parse(txtMemID2->text()) != held.row->member)
        return scanRefused(held.row->refusal(m_rentVideoID), QStringLiteral("Tape held"), about);

    txtMovieName->setText(tape.row->name);
    txtClass->setText(QString::number(tape.row->priceClass));
    txtRating->setText(tape.row->rating);
    txtType->setText(Genres::name(tape.row->categoryId));
    txtActor->setText(tape.row->actor);
    txtActress->setText(tape.row->actress);

    m_rentTitle = BillLine::fitTitle(txtMovieName->text());
    const PriceClass *charge = rates().priceClass(tape.row->priceClass);
    if (!charge)
        return scanRefused(QStringLiteral("That tape's title has price class %1, which has no rental fee. Set its "
                                          "class in Video Management.")
                               .arg(tape.row->priceClass),
                           QStringLiteral("Tape entry error."), about);
    m_rentFee = charge->fee;
    if (!m_bill.fits(m_rentFee, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::rent(m_rentVideoID, m_rentTitle, m_rentFee);
    m_bill.add(line, List1);
    billChanged();
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
    addToShoppingBag();
    txtInvID->selectAll();
}

void frmCheckout::addToShoppingBag()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString about = QStringLiteral("Item ") + txtInvID->text().trimmed();
    if (txtInvID->text().isEmpty())
        return scanRefused(QStringLiteral("Enter Inventory ID of Item"), {}, {});
    const auto inventoryId = Identifier::parse(txtInvID->text());
    if (!inventoryId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("inventory ID"), txtInvID->text()),
                           QStringLiteral("Invalid number"), {});
    const auto quantity = Identifier::parse(txtQuan->text());
    if (!quantity || *quantity == 0)
        return scanRefused(QStringLiteral("\"%1\" is not a quantity that can be sold. Enter a whole number of at "
                                          "least 1.")
                               .arg(txtQuan->text()),
                           QStringLiteral("Invalid number"), about);
    m_saleInvID = *inventoryId;
    m_saleQuantity = *quantity;

    const Fetched<ItemRow> item = m_store.item(m_saleInvID);
    if (item.failed)
        return showDbError(ws, m_store.lastError());
    if (!item.row)
        return scanRefused(QStringLiteral("That inventory item was not found. Recheck."),
                           QStringLiteral("Inventory Error."), about);
    if (item.row->deleted)
        return scanRefused(QStringLiteral("That inventory item was deleted, it should not be in stock. Please "
                                          "consult manager."),
                           QStringLiteral("Deleted item."), about);
    if (item.row->quantity < m_saleQuantity)
        return scanRefused(QStringLiteral("There is insufficient stock marked in inventory to sell that order. "
                                          "Please consult manager."),
                           QStringLiteral("Inventory Warning."), about);
    m_saleItemName = item.row->name;
    m_saleUnitPrice = item.row->price;
    txtUnitPrice->setText(m_saleUnitPrice.toPlainCents());
    // The bill is in cents, whatever finer price an older store may hold.
    std::optional<Money> lineAmount = m_saleUnitPrice.times(m_saleQuantity);
    if (lineAmount)
        lineAmount = lineAmount->checkedTimesRateRounded(1, 1);
    if (!m_bill.fits(lineAmount, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::buy(m_saleInvID, m_saleQuantity, m_saleItemName, *lineAmount);
    m_bill.add(line, List2);
    billChanged();
}

void frmCheckout::cmdBuyVideo_Click()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString typed = txtVidSale->text().trimmed();
    const QString about = QStringLiteral("Tape ") + typed;
    // Kept in view after a refusal, but the next scan replaces it.
    txtVidSale->selectAll();
    const auto videoId = Identifier::parse(typed);
    if (!videoId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("video ID"), txtVidSale->text()),
                           QStringLiteral("Invalid number"), {});
    if (BillLine::holdsTape(m_bill.lines(), *videoId))
        return scanRefused(QStringLiteral("Tape %1 is already in this bill.").arg(*videoId),
                           QStringLiteral("Tape Entry Error"), {});

    const Fetched<SaleTapeRow> tape = m_store.saleTape(*videoId);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(QStringLiteral("That video ID was not found in the system."),
                           QStringLiteral("Tape Entry Error"), about);
    if (tape.row->deleted)
        return scanRefused(QStringLiteral("That tape has been deleted from the system. It may be damaged or "
                                          "unuseable."),
                           QStringLiteral("Tape deleted."), about);
    if (!tape.row->forSale)
        return scanRefused(QStringLiteral("That video is not for sale. Please try to find another."),
                           QStringLiteral("Tape Entry Error"), about);
    if (!tape.row->inStore)
        return scanRefused(QStringLiteral("Our records show that that video is not in the store. Did you mistype?"),
                           QStringLiteral("Tape Entry Error"), about);

    const std::optional<Money> price = tape.row->salePrice.checkedTimesRateRounded(1, 1);
    if (!m_bill.fits(price, rates().taxes))
        return scanRefused(CheckoutBill::tooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::buyVideo(typed, tape.row->name, *price);
    m_bill.add(line, List2);
    billChanged();
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
