#pragma once

#include <QString>

// The manager features behind the security gate, by the number the main
// menu hands to the gate.
enum Destination : int {
    NoDestination = 0,
    DestVideoManagement = 1,
    DestInventory = 2,
    DestModifyCustomer = 3,
    DestDeleteCustomer = 4,
    DestAllMovies = 5,
    DestMoviesByType = 6,
    DestCustomerList = 7,
    DestCustomersByDate = 8,
    DestAllSales = 9,
    DestRentalRevenue = 10,
    DestManagerCode = 11, // changing the manager code itself
    DestDayEnd = 12,
    DestCashUp = 13,
    DestPrices = 14,
    DestStoreDetails = 15,
    DestCallList = 16, // the overdue call list, from Tapes Out
    DestLetters = 17,  // the overdue letters, from Tapes Out
    DestTaxes = 18,
};

inline constexpr int FirstDestination = DestVideoManagement;
inline constexpr int LastDestination = DestTaxes;

// What the gate names while it asks for the code; empty outside 1 to 18.
QString destinationCaption(int destination);
