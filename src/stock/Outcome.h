#pragma once

// How a change to a stock row ended.
enum class Outcome {
    Done,
    Failed,   // the store refused; the store class's lastError() says why
    Gone,     // retired or removed by someone else meanwhile
    TapesOut, // tapes are out on rentals that are still open
};
